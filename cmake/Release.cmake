# A release anyone can check: two builds of one commit, in any folders and at any times, give the same bytes
# (quorvel.exe, quorvel-setup.exe, quorvel-<version>-win32.zip); `package` lists their SHA-256 in SHA256SUMS
# and, when a code-signing certificate is given, signs the exe, the uninstaller and the setup program.
#
# Every time in the outputs is one SOURCE_DATE_EPOCH: the environment's when set, else the time of the commit
# that a git checkout stands on, else the one that `git archive` wrote into cmake/source-date-epoch.
#
# Signing (at build time, from the environment, so that no password lands in a build file):
#   QUORVEL_SIGN_PKCS12     the certificate and its key (PKCS#12); unset: nothing is signed
#   QUORVEL_SIGN_PASSWORD   its password
#   QUORVEL_SIGN_TIMESTAMP  an RFC 3161 time-stamp server's URL (optional)
#
# Included from Win32.cmake once quorvel_exe and dist_files are known; quorvel_add_package() comes after the
# setup program's rules.

set(release_step ${CMAKE_CURRENT_LIST_DIR}/ReleaseStep.cmake)

# The product's own build takes the time its parent build chose, whatever the environment holds by then.
if(NOT DEFINED QUORVEL_SOURCE_DATE_EPOCH)
  set(epoch_file ${CMAKE_CURRENT_SOURCE_DIR}/cmake/source-date-epoch)
  set(epoch_origin)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(QUORVEL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
    set(epoch_origin "the environment")
  else()
    find_package(Git QUIET)
    if(GIT_FOUND)
      # Only a checkout of these sources counts, not a repository that happens to hold an unpacked archive.
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel
        WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
        OUTPUT_VARIABLE git_top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE git_failed)
      file(REAL_PATH "${CMAKE_CURRENT_SOURCE_DIR}" source_top)
      if(NOT git_failed AND git_top)
        file(REAL_PATH "${git_top}" git_top)
      endif()
      if(NOT git_failed AND git_top STREQUAL source_top)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
          WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
          OUTPUT_VARIABLE QUORVEL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        set(epoch_origin "the commit")
        # A new commit moves the time: configure again when HEAD moves.
        execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute --git-path logs/HEAD
          WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
          OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(head_log AND EXISTS "${head_log}")
          set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${head_log}")
        endif()
      endif()
    endif()
    if(NOT QUORVEL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$" AND EXISTS ${epoch_file})
      file(STRINGS ${epoch_file} QUORVEL_SOURCE_DATE_EPOCH LIMIT_COUNT 1)
      set(epoch_origin "cmake/source-date-epoch")
    endif()
  endif()
  # A zip's dates begin in 1980.
  if(NOT QUORVEL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$" OR QUORVEL_SOURCE_DATE_EPOCH LESS 315532800)
    message(WARNING "No usable SOURCE_DATE_EPOCH (neither a git checkout nor a git archive, and none in the "
      "environment): the release's times are 1980-01-01. Set SOURCE_DATE_EPOCH to the commit's time.")
    set(QUORVEL_SOURCE_DATE_EPOCH 315532800)
    set(epoch_origin "the fallback")
  endif()
  message(STATUS "SOURCE_DATE_EPOCH ${QUORVEL_SOURCE_DATE_EPOCH} (from ${epoch_origin})")
endif()

if(MINGW)
  # GNU ld writes the time of the link into the PE header (and so into its checksum) unless SOURCE_DATE_EPOCH
  # names another; the launcher hands it the release's time whatever the build's environment holds.
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${QUORVEL_SOURCE_DATE_EPOCH})
endif()

if(QUORVEL_PRODUCT_ONLY)
  return()
endif()

# --- signing the exe ------------------------------------------------------------------------------------------

find_program(OSSLSIGNCODE osslsigncode)
# Every build brings quorvel.exe in line with the environment: signed when a certificate is named, unsigned
# (its signature removed, which gives back the linker's bytes) when none is. The exe keeps its name and place,
# so that the tests, the zip and the setup program all take the one that is released.
add_custom_target(sign_exe ALL
  COMMAND ${CMAKE_COMMAND} -DSTEP=sign-exe -DFILE=${quorvel_exe} -DOSSLSIGNCODE=${OSSLSIGNCODE}
    -P ${release_step}
  VERBATIM)
add_dependencies(sign_exe quorvel)

# --- the files as they ship -----------------------------------------------------------------------------------

# The folder that the zip unpacks to, and the pictures and the first report page that the setup program packs: the setup program takes
# every file it packs from these copies, whose times are the release's (NSIS keeps each file's time, and a zip
# each entry's; a checkout's files have the time of the checkout).
set(release_name quorvel-${PROJECT_VERSION}-win32)
set(release_dir ${CMAKE_BINARY_DIR}/release/${release_name})
set(release_resources_dir ${CMAKE_BINARY_DIR}/release/setup-resources)
set(release_resources ${resources_dir}/quorvel.ico ${resources_dir}/installer-wizard.bmp
  ${CMAKE_CURRENT_SOURCE_DIR}/installer/first-report.html)
set(release_files)
foreach(file ${quorvel_exe} ${dist_files})
  get_filename_component(name ${file} NAME)
  list(APPEND release_files ${release_dir}/${name})
endforeach()
set(staged_resources)
foreach(file ${release_resources})
  get_filename_component(name ${file} NAME)
  list(APPEND staged_resources ${release_resources_dir}/${name})
endforeach()
find_program(TOUCH touch)
if(NOT TOUCH)
  message(WARNING "touch not found: the setup program and the zip keep the build's times, not the release's")
endif()
# The copies are byproducts, not outputs: a Makefile generator would touch every output but the first, and so
# give them the build's time. The stamp stands for them.
set(release_stamp ${release_dir}.stamp)
set(stage ${CMAKE_COMMAND} -DSTEP=stage -DEPOCH=${QUORVEL_SOURCE_DATE_EPOCH} -DTOUCH=${TOUCH})
add_custom_command(OUTPUT ${release_stamp}
  BYPRODUCTS ${release_files} ${staged_resources}
  COMMAND ${stage} -DTO=${release_dir} "-DFILES=${quorvel_exe};${dist_files}" -P ${release_step}
  COMMAND ${stage} -DTO=${release_resources_dir} "-DFILES=${release_resources}" -P ${release_step}
  COMMAND ${CMAKE_COMMAND} -E touch ${release_stamp}
  DEPENDS sign_exe ${quorvel_exe} ${dist_files} ${release_resources} ${release_step}
  VERBATIM)
add_custom_target(release_files ALL DEPENDS ${release_stamp})

# Defines for makensis: where the files to pack are, and how to sign what it writes.
set(release_nsis_defines -DEXE=${release_dir}/quorvel.exe -DDIST=${release_dir}
  -DRESOURCES=${release_resources_dir}
  -DCMAKE=${CMAKE_COMMAND} -DRELEASE_STEP=${release_step} -DOSSLSIGNCODE=${OSSLSIGNCODE})

# quorvel_add_package(): the zip and the checksums, and `package`, which makes them with the setup program.
function(quorvel_add_package)
  set(zip ${CMAKE_BINARY_DIR}/${release_name}.zip)
  set(sums ${CMAKE_BINARY_DIR}/SHA256SUMS)
  find_program(ZIP zip)
  if(NOT ZIP)
    message(STATUS "zip not found: no zip (Debian: apt-get install zip)")
    set(zip)
  else()
    set(entries)
    foreach(file ${release_files})
      get_filename_component(name ${file} NAME)
      list(APPEND entries ${release_name}/${name})
    endforeach()
    # Info-ZIP's -X leaves out the owner's ids and the extra time fields; its DOS times are local times, so
    # the zone is UTC whatever the machine's. The entries come in the order given.
    add_custom_command(OUTPUT ${zip}
      COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
      COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -X -D -q ${zip} ${entries}
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/release
      DEPENDS ${release_stamp}
      VERBATIM)
  endif()
  set(released ${quorvel_exe})
  if(TARGET installer)
    list(APPEND released ${setup_exe})
  endif()
  list(APPEND released ${zip})
  add_custom_command(OUTPUT ${sums}
    COMMAND ${CMAKE_COMMAND} -DSTEP=checksums "-DFILES=${released}" -DOUT=${sums} -P ${release_step}
    DEPENDS ${released}
    VERBATIM)
  # A build folder that an older version configured with CPack keeps its files, and CMake then reserves the
  # name; they are of no use any more.
  file(REMOVE ${CMAKE_BINARY_DIR}/CPackConfig.cmake ${CMAKE_BINARY_DIR}/CPackSourceConfig.cmake)
  add_custom_target(package DEPENDS ${sums})
  add_dependencies(package release_files)
  if(TARGET installer)
    add_dependencies(package installer)
  endif()
endfunction()
