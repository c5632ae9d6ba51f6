# The same sources as a 64-bit build, only for running the Wine tests on a kernel that cannot
# execute 32-bit code (ia32 emulation switched off); the shipped program stays 32-bit.
set(KINLOOM_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
# Debian's "wine" script insists on the 32-bit loader once it is installed, even where it cannot run.
set(KINLOOM_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
