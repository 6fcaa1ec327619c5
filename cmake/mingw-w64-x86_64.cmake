# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers
# (g++-mingw-w64-x86-64-posix: the posix thread model, for std::thread and
# std::mutex). Use: cmake --toolchain cmake/mingw-w64-x86_64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RIGSCOPE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RIGSCOPE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RIGSCOPE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${RIGSCOPE_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW-w64 sysroot only, never from the
# build machine's /usr/include or /usr/lib; programs run on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${RIGSCOPE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
