# Cross-compiling for 32-bit Windows with MinGW-w64: Debian's g++-mingw-w64-i686-posix for the tests, whose
# GoogleTest needs std::mutex and friends; the product takes the -win32 compilers (i686-w64-mingw32-win32.cmake),
# which need no threads library in the exe.
if(CMAKE_HOST_WIN32)
  # On Windows, in MSYS2's MINGW32 shell, the same build is a native one: its gcc for the product and the tests
  # alike, and the tests run as they are, without Wine.
  set(CMAKE_C_COMPILER gcc)
  set(CMAKE_CXX_COMPILER g++)
  set(CMAKE_RC_COMPILER windres)
  return()
endif()

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

if(NOT QUORVEL_MINGW_THREADS)
  set(QUORVEL_MINGW_THREADS posix)
endif()
set(QUORVEL_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVEL_MINGW_PREFIX}-gcc-${QUORVEL_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${QUORVEL_MINGW_PREFIX}-g++-${QUORVEL_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${QUORVEL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test executables (and gtest's discovery) run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
