# What both mingw-w64 toolchain files share; they set KINLOOM_MINGW_TRIPLE and KINLOOM_WINE_LOADER.
set(CMAKE_SYSTEM_NAME Windows)

# The -posix compilers: the win32 thread model lacks std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${KINLOOM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KINLOOM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KINLOOM_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KINLOOM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${KINLOOM_WINE_LOADER})

# One self-contained file: no libgcc, libstdc++ or winpthread DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
