# Cross build of the 64-bit configuration with MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
# Debian installs the 64-bit loader outside PATH.
set(TESSARYN_WINE /usr/lib/wine/wine64)
set(TESSARYN_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
