# The steps of a release that run at build time (cmake -DSTEP=... -P ReleaseStep.cmake); Release.cmake says
# when each runs.
#   sign       -DFILE=f: signs f in place when QUORVEL_SIGN_PKCS12 names a certificate, else leaves it alone
#              (makensis runs this on the uninstaller and the setup program it writes)
#   sign-exe   -DFILE=f: f signed when a certificate is named, and unsigned again when none is
#   stage      -DFILES=a;b -DTO=dir -DEPOCH=n -DTOUCH=touch: copies of the files in dir, with fixed modes and
#              the release's time (set with GNU touch)
#   checksums  -DFILES=a;b -DOUT=f: f lists their SHA-256, as sha256sum writes it
cmake_minimum_required(VERSION 3.25)

# sign_file(IN OUT): OUT is IN signed with the certificate that the environment names.
function(sign_file in out)
  if(NOT OSSLSIGNCODE)
    message(FATAL_ERROR "QUORVEL_SIGN_PKCS12 is set but osslsigncode was not found (Debian: apt-get install "
      "osslsigncode)")
  endif()
  if(NOT EXISTS "$ENV{QUORVEL_SIGN_PKCS12}")
    message(FATAL_ERROR "QUORVEL_SIGN_PKCS12: no such file: $ENV{QUORVEL_SIGN_PKCS12}")
  endif()
  # The password goes through a file that only this user can read, not through the command line, which
  # every user of the machine can see.
  get_filename_component(dir "${out}" DIRECTORY)
  string(RANDOM LENGTH 12 tag)
  set(private "${dir}/.sign-${tag}")
  file(MAKE_DIRECTORY "${private}")
  file(CHMOD "${private}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  file(WRITE "${private}/password" "$ENV{QUORVEL_SIGN_PASSWORD}")
  set(timestamp)
  if(NOT "$ENV{QUORVEL_SIGN_TIMESTAMP}" STREQUAL "")
    set(timestamp -ts "$ENV{QUORVEL_SIGN_TIMESTAMP}")
  endif()
  file(REMOVE "${out}")
  execute_process(COMMAND "${OSSLSIGNCODE}" sign -pkcs12 "$ENV{QUORVEL_SIGN_PKCS12}" -readpass "${private}/password"
      -h sha256 -n quorvel ${timestamp} -in "${in}" -out "${out}"
    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
  file(REMOVE_RECURSE "${private}")
  if(failed)
    message(FATAL_ERROR "osslsigncode could not sign ${in}:\n${output}")
  endif()
endfunction()

# replace(FROM TO): TO takes FROM's bytes, as a program to run (osslsigncode writes files that are not).
function(replace from to)
  file(RENAME "${from}" "${to}")
  file(CHMOD "${to}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
    WORLD_EXECUTE)
endfunction()

set(signing OFF)
if(NOT "$ENV{QUORVEL_SIGN_PKCS12}" STREQUAL "")
  set(signing ON)
endif()

if(STEP STREQUAL "sign")
  if(signing)
    sign_file("${FILE}" "${FILE}.signed")
    file(RENAME "${FILE}.signed" "${FILE}")
    message(STATUS "Signed ${FILE}")
  endif()

elseif(STEP STREQUAL "sign-exe")
  # FILE.signed names the exe that was signed and the certificate: a relinked exe is signed afresh, a signed
  # one is left as it is, and a signed one whose certificate changed or went is unsigned first.
  set(stamp "${FILE}.signed")
  file(SHA256 "${FILE}" now)
  set(certificate)
  if(signing AND EXISTS "$ENV{QUORVEL_SIGN_PKCS12}")
    file(SHA256 "$ENV{QUORVEL_SIGN_PKCS12}" certificate)
  endif()
  set(signed_exe)
  set(signed_with)
  if(EXISTS "${stamp}")
    file(STRINGS "${stamp}" lines)
    list(GET lines 0 signed_exe)
    list(GET lines 1 signed_with)
  endif()
  if(now STREQUAL signed_exe)
    if(signed_with STREQUAL certificate)
      return()
    endif()
    execute_process(COMMAND "${OSSLSIGNCODE}" remove-signature -in "${FILE}" -out "${FILE}.unsigned"
      RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(failed)
      message(FATAL_ERROR "osslsigncode could not remove the signature of ${FILE}:\n${output}")
    endif()
    replace("${FILE}.unsigned" "${FILE}")
    message(STATUS "Removed the signature of ${FILE}")
  endif()
  file(REMOVE "${stamp}")
  if(signing)
    sign_file("${FILE}" "${FILE}.signing")
    replace("${FILE}.signing" "${FILE}")
    file(SHA256 "${FILE}" now)
    file(WRITE "${stamp}" "${now}\n${certificate}\n")
    message(STATUS "Signed ${FILE}")
  endif()

elseif(STEP STREQUAL "stage")
  file(REMOVE_RECURSE "${TO}")
  file(MAKE_DIRECTORY "${TO}")
  set(staged)
  foreach(file IN LISTS FILES)
    get_filename_component(name "${file}" NAME)
    set(permissions OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    if(name MATCHES "\\.exe$")
      list(APPEND permissions OWNER_EXECUTE GROUP_EXECUTE WORLD_EXECUTE)
    endif()
    file(COPY_FILE "${file}" "${TO}/${name}")
    file(CHMOD "${TO}/${name}" PERMISSIONS ${permissions})
    list(APPEND staged "${TO}/${name}")
  endforeach()
  # Without GNU touch (MSVC's Windows) the program still builds; only its release is not reproducible.
  if(TOUCH)
    execute_process(COMMAND "${TOUCH}" -d "@${EPOCH}" ${staged} RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "touch -d @${EPOCH} failed")
    endif()
  endif()

elseif(STEP STREQUAL "checksums")
  set(lines)
  foreach(file IN LISTS FILES)
    file(SHA256 "${file}" hash)
    get_filename_component(name "${file}" NAME)
    string(APPEND lines "${hash}  ${name}\n")
  endforeach()
  file(WRITE "${OUT}" "${lines}")

else()
  message(FATAL_ERROR "ReleaseStep.cmake: unknown STEP '${STEP}'")
endif()
