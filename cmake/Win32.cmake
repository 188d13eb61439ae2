# The Windows build: quorvel.exe, the Win32 binding, and the tests that run it (under Wine when cross-compiling).
enable_language(RC)

set(win32_definitions UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# QUORVEL_PRODUCT_TOOLCHAIN: the exe (and the floors of its start-up bench) come from a build of their own with
# this toolchain, which the tests then run; the tests themselves build with this configuration's toolchain.
# Empty: one toolchain for everything. QUORVEL_PRODUCT_ONLY is that build of the product: no tests.
set(QUORVEL_PRODUCT_TOOLCHAIN "" CACHE FILEPATH "Toolchain file for quorvel.exe, apart from the tests")
option(QUORVEL_PRODUCT_ONLY "Build only quorvel.exe and its bench floors" OFF)
set(QUORVEL_OUTPUT_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Where quorvel.exe is made")

if(MINGW)
  # Lets --gc-sections drop what the program never calls, from our code as from the runtime's.
  set(section_flags -ffunction-sections -fdata-sections)
  # Nothing catches an exception and the program has one thread: no unwind tables, no guarded statics
  # (app/NoExceptions.cpp keeps the runtime's exception machinery out of the exe as well).
  set(product_flags ${section_flags} -fno-exceptions -fno-asynchronous-unwind-tables -fno-unwind-tables
    -fno-threadsafe-statics)
  # Nothing asks for a type at run time either; the tests, built with the product's code, need the type
  # information GoogleTest looks at, so only the build of the product alone goes without it.
  if(QUORVEL_PRODUCT_ONLY)
    list(APPEND product_flags -fno-rtti)
  endif()
  target_compile_options(quorvel_core PRIVATE ${product_flags})
  # Everything static: the exe must start on a bare Windows without the MinGW runtime DLLs.
  set(static_link -static)
endif()

# --- the binding -------------------------------------------------------------------------------------------------

file(GLOB win32_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/*.cpp)
add_library(quorvel_win32 STATIC ${win32_sources})
target_link_libraries(quorvel_win32 PUBLIC quorvel_core user32 gdi32 advapi32)
target_compile_definitions(quorvel_win32 PUBLIC ${win32_definitions})
target_compile_options(quorvel_win32 PRIVATE ${product_flags})

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

# --- the program and the floors of its start-up bench -------------------------------------------------------------

set(quorvel_exe ${QUORVEL_OUTPUT_DIR}/quorvel.exe)
set(dist_files)
foreach(name readme.txt quorvel_vcb.ini)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/dist/${name})
    list(APPEND dist_files ${CMAKE_CURRENT_SOURCE_DIR}/dist/${name})
  endif()
endforeach()
# The release's time for every link, then the files as they ship (cmake/Release.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/Release.cmake)

if(QUORVEL_PRODUCT_TOOLCHAIN AND NOT QUORVEL_PRODUCT_ONLY)
  include(ExternalProject)
  ExternalProject_Add(quorvel
    SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/product
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${QUORVEL_PRODUCT_TOOLCHAIN} -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DQUORVEL_PRODUCT_ONLY=ON -DQUORVEL_OUTPUT_DIR=${QUORVEL_OUTPUT_DIR}
      -DQUORVEL_SOURCE_DATE_EPOCH=${QUORVEL_SOURCE_DATE_EPOCH}
    INSTALL_COMMAND ""
    # Its own build knows when the sources changed.
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${quorvel_exe} ${QUORVEL_OUTPUT_DIR}/bare_window.exe ${QUORVEL_OUTPUT_DIR}/flat_window.exe)
  install(PROGRAMS ${quorvel_exe} DESTINATION .)
else()
  include(${CMAKE_CURRENT_LIST_DIR}/Product.cmake)
  install(TARGETS quorvel RUNTIME DESTINATION .)
endif()
if(QUORVEL_PRODUCT_ONLY)
  return()
endif()

if(dist_files)
  install(FILES ${dist_files} DESTINATION .)
endif()

# --- the parents' setup program: `--target installer` makes quorvel-setup.exe, `package` makes it too -------------

find_program(MAKENSIS makensis)
if(MAKENSIS AND dist_files)
  set(setup_exe ${CMAKE_BINARY_DIR}/quorvel-setup.exe)
  file(GLOB installer_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/installer/*.ns?
    ${CMAKE_CURRENT_SOURCE_DIR}/installer/*.html)
  add_custom_command(OUTPUT ${setup_exe}
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8
      -DVERSION=${PROJECT_VERSION} -DVERSION4=${quorvel_version4} ${release_nsis_defines}
      -DOUTFILE=${setup_exe} ${CMAKE_CURRENT_SOURCE_DIR}/installer/quorvel.nsi
    DEPENDS quorvel ${release_stamp} ${installer_sources} ${resources_dir}/quorvel.ico
      ${resources_dir}/installer-wizard.bmp
    VERBATIM)
  # Part of every build, so that `package` and the installer's tests always find it fresh.
  add_custom_target(installer ALL DEPENDS ${setup_exe})
  add_dependencies(installer release_files)
else()
  message(STATUS "makensis not found: no setup program (Debian: apt-get install nsis)")
endif()

# `cmake --build --preset win32 --target package`: quorvel-<version>-win32.zip, the setup program and SHA256SUMS.
quorvel_add_package()

# --- start-up benchmark (`--target quorvel startup_bench`, run by scripts/bench) -----------------------------------

add_executable(startup_bench EXCLUDE_FROM_ALL bench/StartupBench.cpp)
target_compile_definitions(startup_bench PRIVATE ${win32_definitions})
if(MINGW)
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

# quorvel_add_test_exe(NAME LABEL): the label (win32, e2e) selects the tests alike in scripts/test and the Windows
# workflow.
function(quorvel_add_test_exe name label)
  if(MINGW)
    target_link_options(${name} PRIVATE ${static_link})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT ${test_timeout}
    PROPERTIES ${test_properties} LABELS ${label})
endfunction()

if(win32_test_sources)
  # The binding's tests carry the program's manifest too: the same common controls and DPI awareness.
  # The number conversions use the Windows C library on Windows: their host tests run here as well.
  add_executable(win32_tests ${win32_test_sources} tests/host/ConvertTest.cpp ${resource_script})
  target_link_libraries(win32_tests PRIVATE quorvel_win32 ${gtest_libraries})
  quorvel_add_test_exe(win32_tests win32)
endif()

if(e2e_test_sources)
  # The end-to-end tests know the program only from outside: its exe, its windows, its files and registry.
  add_executable(e2e_tests ${e2e_test_sources})
  target_link_libraries(e2e_tests PRIVATE ${gtest_libraries} user32 gdi32 advapi32)
  target_compile_definitions(e2e_tests PRIVATE ${win32_definitions})
  add_dependencies(e2e_tests quorvel)
  quorvel_path_literal(quorvel_exe_literal ${quorvel_exe})
  target_compile_definitions(e2e_tests PRIVATE "QUORVEL_EXE_PATH=${quorvel_exe_literal}")
  quorvel_add_test_exe(e2e_tests e2e)
endif()

# The setup program's tests install into Wine's registry and folders, each test in a prefix of its own, so they
# run only where the build is cross-compiled: never on the developer's own Windows.
if(installer_test_sources AND TARGET installer AND CMAKE_CROSSCOMPILING AND TARGET e2e_tests)
  # The stand-in that records what icacls is asked to do (its own main, apart from the tests').
  set(icacls_source ${CMAKE_CURRENT_SOURCE_DIR}/tests/installer/IcaclsStandIn.cpp)
  list(REMOVE_ITEM installer_test_sources ${icacls_source})
  add_executable(icacls_standin ${icacls_source})
  target_compile_definitions(icacls_standin PRIVATE ${win32_definitions})
  target_link_options(icacls_standin PRIVATE ${static_link})
  add_executable(installer_tests ${installer_test_sources})
  target_link_libraries(installer_tests PRIVATE ${gtest_libraries} user32 advapi32 shell32 ole32 uuid secur32)
  target_compile_definitions(installer_tests PRIVATE ${win32_definitions})
  quorvel_path_literal(setup_literal ${setup_exe})
  quorvel_path_literal(dist_literal ${CMAKE_CURRENT_SOURCE_DIR}/dist)
  quorvel_path_literal(installer_literal ${CMAKE_CURRENT_SOURCE_DIR}/installer)
  quorvel_path_literal(old_setup_literal ${CMAKE_CURRENT_SOURCE_DIR}/tests/installer/quorvel-1.0.0-setup.exe)
  quorvel_path_literal(icacls_literal ${CMAKE_BINARY_DIR}/icacls_standin.exe)
  target_compile_definitions(installer_tests PRIVATE "QUORVEL_EXE_PATH=${quorvel_exe_literal}"
    "QUORVEL_SETUP_PATH=${setup_literal}" "QUORVEL_DIST_PATH=${dist_literal}"
    "QUORVEL_INSTALLER_PATH=${installer_literal}" "QUORVEL_OLD_SETUP_PATH=${old_setup_literal}"
    "QUORVEL_ICACLS_PATH=${icacls_literal}" "QUORVEL_VERSION=\"${PROJECT_VERSION}\"")
  add_dependencies(installer_tests installer icacls_standin)
  target_link_options(installer_tests PRIVATE ${static_link})
  set_target_properties(installer_tests PROPERTIES
    CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_SOURCE_DIR}/tests/installer/fresh-prefix)
  # A fresh prefix takes its time to boot, more so on a busy machine.
  gtest_discover_tests(installer_tests
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT ${test_timeout}
    PROPERTIES TIMEOUT 300 RESOURCE_LOCK quorvel_desktop LABELS installer)
endif()
