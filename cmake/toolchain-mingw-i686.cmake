# Cross-builds the 32-bit Windows program with mingw-w64; ctest runs the results through Wine.
set(KINLOOM_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KINLOOM_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
