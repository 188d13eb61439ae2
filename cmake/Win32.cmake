# The Windows build: quorvel.exe, the Win32 binding, and the tests that run it (under Wine when cross-compiling).
enable_language(RC)

set(win32_definitions UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

if(MINGW)
  # Lets --gc-sections drop what the program never calls, from our code as from the runtime's.
  set(section_flags -ffunction-sections -fdata-sections)
  target_compile_options(quorvel_core PRIVATE ${section_flags})
  # Everything static: the exe must start on a bare Windows without the MinGW runtime DLLs.
  set(static_link -static)
endif()

# --- the binding -------------------------------------------------------------------------------------------------

file(GLOB win32_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/*.cpp)
add_library(quorvel_win32 STATIC ${win32_sources})
target_link_libraries(quorvel_win32 PUBLIC quorvel_core user32 gdi32 advapi32)
target_compile_definitions(quorvel_win32 PUBLIC ${win32_definitions})
target_compile_options(quorvel_win32 PRIVATE ${section_flags})

# --- resources: icon, manifest, version information --------------------------------------------------------------

set(resources_dir ${CMAKE_CURRENT_SOURCE_DIR}/resources)
set(resource_script ${resources_dir}/quorvel.rc)
# The version information comes from project(); the installer takes the same numbers.
set(generated_dir ${CMAKE_BINARY_DIR}/generated)
foreach(part MAJOR MINOR PATCH)
  set(version_${part} ${PROJECT_VERSION_${part}})
  if(version_${part} STREQUAL "")
    set(version_${part} 0)
  endif()
endforeach()
set(quorvel_version4 ${version_MAJOR}.${version_MINOR}.${version_PATCH}.0)
configure_file(${resources_dir}/version.h.in ${generated_dir}/version.h @ONLY)
set_source_files_properties(${resource_script} PROPERTIES
  INCLUDE_DIRECTORIES "${resources_dir};${generated_dir}"
  OBJECT_DEPENDS "${resources_dir}/quorvel.ico;${resources_dir}/quorvel.manifest;${generated_dir}/version.h")

# --- the program -------------------------------------------------------------------------------------------------

add_executable(quorvel WIN32 app/WinMain.cpp ${resource_script})
target_link_libraries(quorvel PRIVATE quorvel_win32)
# The "$<0:>" keeps multi-config generators from adding a Debug/Release folder: the exe is always
# ${CMAKE_BINARY_DIR}/quorvel.exe, which the end-to-end tests rely on.
set_target_properties(quorvel PROPERTIES
  OUTPUT_NAME quorvel
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}$<0:>)
if(MINGW)
  target_compile_options(quorvel PRIVATE ${section_flags} $<$<NOT:$<CONFIG:Debug>>:-Os>)
  target_link_options(quorvel PRIVATE ${static_link} -mwindows $<$<NOT:$<CONFIG:Debug>>:-s> -Wl,--gc-sections)
elseif(MSVC)
  # The manifest comes from quorvel.rc; the linker must not add a second one.
  target_link_options(quorvel PRIVATE /SUBSYSTEM:WINDOWS /MANIFEST:NO)
endif()
set(quorvel_exe ${CMAKE_BINARY_DIR}/quorvel.exe)

# The readme and the sample dictionary ship beside the exe.
set(dist_files)
foreach(name readme.txt quorvel_vcb.ini)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/dist/${name})
    list(APPEND dist_files ${CMAKE_CURRENT_SOURCE_DIR}/dist/${name})
  endif()
endforeach()
if(dist_files)
  add_custom_command(TARGET quorvel POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dist_files} $<TARGET_FILE_DIR:quorvel>
    VERBATIM)
endif()

# `cmake --build --preset win32 --target package` makes quorvel-<version>-win32.zip.
install(TARGETS quorvel RUNTIME DESTINATION .)
if(dist_files)
  install(FILES ${dist_files} DESTINATION .)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_SYSTEM_NAME win32)
set(CPACK_PACKAGE_FILE_NAME quorvel-${PROJECT_VERSION}-win32)
include(CPack)

# --- the parents' setup program: `--target installer` makes quorvel-setup.exe, `package` makes it too -------------

find_program(MAKENSIS makensis)
if(MAKENSIS AND dist_files)
  set(setup_exe ${CMAKE_BINARY_DIR}/quorvel-setup.exe)
  file(GLOB installer_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/installer/*.ns?)
  add_custom_command(OUTPUT ${setup_exe}
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8
      -DVERSION=${PROJECT_VERSION} -DVERSION4=${quorvel_version4}
      -DEXE=$<TARGET_FILE:quorvel> -DDIST=${CMAKE_CURRENT_SOURCE_DIR}/dist -DRESOURCES=${resources_dir}
      -DOUTFILE=${setup_exe} ${CMAKE_CURRENT_SOURCE_DIR}/installer/quorvel.nsi
    DEPENDS quorvel ${installer_sources} ${dist_files} ${resources_dir}/quorvel.ico
      ${resources_dir}/installer-wizard.bmp
    VERBATIM)
  # Part of every build, so that `package` and the installer's tests always find it fresh.
  add_custom_target(installer ALL DEPENDS ${setup_exe})
else()
  message(STATUS "makensis not found: no setup program (Debian: apt-get install nsis)")
endif()

# --- start-up benchmark (`--target startup_bench bare_window`, run by scripts/bench) -------------------------------

add_executable(bare_window WIN32 EXCLUDE_FROM_ALL bench/BareWindow.cpp)
add_executable(startup_bench EXCLUDE_FROM_ALL bench/StartupBench.cpp)
target_compile_definitions(bare_window PRIVATE ${win32_definitions})
target_compile_definitions(startup_bench PRIVATE ${win32_definitions})
if(MINGW)
  # Built exactly as quorvel.exe is, so that the difference is our own start-up work.
  target_compile_options(bare_window PRIVATE ${section_flags} -Os)
  target_link_options(bare_window PRIVATE ${static_link} -mwindows -municode -s -Wl,--gc-sections)
  target_link_options(startup_bench PRIVATE ${static_link} -municode)
endif()

# --- journal benchmark (`--target journal_bench`, run by scripts/bench) ------------------------------------------

add_executable(journal_bench EXCLUDE_FROM_ALL bench/JournalBench.cpp)
target_link_libraries(journal_bench PRIVATE quorvel_win32)
if(MINGW)
  target_compile_options(journal_bench PRIVATE -Os)
  target_link_options(journal_bench PRIVATE ${static_link})
endif()

# --- tests -------------------------------------------------------------------------------------------------------

file(GLOB win32_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/win32/*.cpp)
file(GLOB e2e_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/*.cpp)
file(GLOB installer_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/installer/*.cpp)
if(NOT win32_test_sources AND NOT e2e_test_sources)
  return()
endif()

if(CMAKE_CROSSCOMPILING)
  # Debian's googletest package ships the sources; build them with the cross compiler.
  set(googletest_dir /usr/src/googletest CACHE PATH "GoogleTest sources to build with the cross compiler")
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${googletest_dir} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(gtest_target gtest gtest_main gmock gmock_main)
    # Our -Werror is for our code, not for GoogleTest's.
    target_compile_options(${gtest_target} PRIVATE -w)
  endforeach()
  set(gtest_libraries gtest gmock gtest_main)
else()
  # A native Windows toolchain: point CMAKE_PREFIX_PATH (or GTest_DIR) at an installed GoogleTest,
  # e.g. from vcpkg (`vcpkg install gtest:x86-windows`).
  find_package(GTest REQUIRED)
  set(gtest_libraries GTest::gtest GTest::gmock GTest::gtest_main)
endif()
include(GoogleTest)

# Every test here drives windows on the one desktop, so they run one at a time; none may hang.
set(test_timeout 120)
set(test_properties TIMEOUT ${test_timeout} RESOURCE_LOCK quorvel_desktop)

# quorvel_path_literal(VAR PATH): PATH as the tests under Windows see it, as a narrow C string literal
# (`L"" NAME` makes it a wide one).
function(quorvel_path_literal var path)
  if(CMAKE_HOST_WIN32)
    file(TO_NATIVE_PATH ${path} windows_path)
  else()
    # Wine maps the Unix root to drive Z:.
    string(REPLACE "/" "\\" windows_path "Z:${path}")
  endif()
  string(REPLACE "\\" "\\\\" literal "${windows_path}")
  set(${var} "\"${literal}\"" PARENT_SCOPE)
endfunction()

function(quorvel_add_test_exe name)
  if(MINGW)
    target_link_options(${name} PRIVATE ${static_link})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT ${test_timeout}
    PROPERTIES ${test_properties})
endfunction()

if(win32_test_sources)
  # The binding's tests carry the program's manifest too: the same common controls and DPI awareness.
  # The number conversions use the Windows C library on Windows: their host tests run here as well.
  add_executable(win32_tests ${win32_test_sources} tests/host/ConvertTest.cpp ${resource_script})
  target_link_libraries(win32_tests PRIVATE quorvel_win32 ${gtest_libraries})
  quorvel_add_test_exe(win32_tests)
endif()

if(e2e_test_sources)
  # The end-to-end tests know the program only from outside: its exe, its windows, its files and registry.
  add_executable(e2e_tests ${e2e_test_sources})
  target_link_libraries(e2e_tests PRIVATE ${gtest_libraries} user32 gdi32 advapi32)
  target_compile_definitions(e2e_tests PRIVATE ${win32_definitions})
  add_dependencies(e2e_tests quorvel)
  quorvel_path_literal(quorvel_exe_literal ${quorvel_exe})
  target_compile_definitions(e2e_tests PRIVATE "QUORVEL_EXE_PATH=${quorvel_exe_literal}")
  quorvel_add_test_exe(e2e_tests)
endif()

# The setup program's tests install into Wine's registry and folders, each test in a prefix of its own, so they
# run only where the build is cross-compiled: never on the developer's own Windows.
if(installer_test_sources AND TARGET installer AND CMAKE_CROSSCOMPILING AND TARGET e2e_tests)
  add_executable(installer_tests ${installer_test_sources})
  target_link_libraries(installer_tests PRIVATE ${gtest_libraries} user32 advapi32 shell32 ole32 uuid)
  target_compile_definitions(installer_tests PRIVATE ${win32_definitions})
  quorvel_path_literal(setup_literal ${setup_exe})
  quorvel_path_literal(dist_literal ${CMAKE_CURRENT_SOURCE_DIR}/dist)
  target_compile_definitions(installer_tests PRIVATE "QUORVEL_EXE_PATH=${quorvel_exe_literal}"
    "QUORVEL_SETUP_PATH=${setup_literal}" "QUORVEL_DIST_PATH=${dist_literal}"
    "QUORVEL_VERSION=\"${PROJECT_VERSION}\"")
  add_dependencies(installer_tests installer)
  target_link_options(installer_tests PRIVATE ${static_link})
  set_target_properties(installer_tests PROPERTIES
    CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_SOURCE_DIR}/tests/installer/fresh-prefix)
  # A fresh prefix takes its time to boot, more so on a busy machine.
  gtest_discover_tests(installer_tests
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT ${test_timeout}
    PROPERTIES TIMEOUT 300 RESOURCE_LOCK quorvel_desktop)
endif()
