# Cross-compiling for x86_64 Windows with Debian's posix-thread mingw-w64 compilers
# (packages g++-mingw-w64-x86-64-posix and binutils-mingw-w64-x86-64). The file stands alone: the
# package installs it as lib/cmake/ZUZIVU70/toolchain-x86_64.cmake, for applications.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The programs run under Wine on the build machine: CTest starts them through
# it. A build may name another runner (-DCMAKE_CROSSCOMPILING_EMULATOR=...).
if(NOT CMAKE_CROSSCOMPILING_EMULATOR AND CMAKE_HOST_UNIX)
  find_program(ZUZIVU70_WINE wine)
  if(ZUZIVU70_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ZUZIVU70_WINE})
  endif()
endif()
