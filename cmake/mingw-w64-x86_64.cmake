# Cross-compiling the show for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads
# variant, whose C++ library has std::thread):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORRIN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORRIN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORRIN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORRIN_MINGW_PREFIX}-windres)

# Libraries and headers come from the cross environment only; programs (the build's own
# tools) from the machine that builds.
set(CMAKE_FIND_ROOT_PATH /usr/${QUORRIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
