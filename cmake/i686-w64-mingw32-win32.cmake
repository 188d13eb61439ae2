# The product's compilers: MinGW-w64 with the Windows thread model (Debian's g++-mingw-w64-i686-win32). The
# program has one thread, and the exe is spared the POSIX threads library (~25 KB).
set(QUORVEL_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/i686-w64-mingw32.cmake)
