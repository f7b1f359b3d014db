# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers (the
# posix-threads variant, whose libstdc++ has std::thread and std::mutex).
# The libraries built for Windows by scripts/windows/toolchain.sh are found
# under CALVEX_WINDOWS_PREFIX (a cache entry, or the environment variable of
# that name); nothing is ever taken from the Linux system's own folders.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CALVEX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CALVEX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CALVEX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${CALVEX_MINGW_TRIPLET}-windres)

set(CALVEX_WINDOWS_PREFIX "$ENV{CALVEX_WINDOWS_PREFIX}" CACHE PATH "Folder of the libraries built for Windows")
# try_compile projects read this file again: they get the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CALVEX_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${CALVEX_MINGW_TRIPLET} ${CALVEX_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
