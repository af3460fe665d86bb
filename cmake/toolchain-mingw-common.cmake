# Shared by the MinGW toolchain files; DECORAMA_MINGW_TRIPLE names the target.
#
# DECORAMA_MINGW_THREADS picks the compiler's thread model: posix (the default)
# or win32. The posix model links winpthreads, which imports GetTickCount64 and
# other kernel32 functions that Windows before Vista lacks; the win32 model keeps
# to the calls of the older Windows versions but has no std::thread or std::mutex
# in this GCC.
if(NOT DEFINED DECORAMA_MINGW_THREADS)
    set(DECORAMA_MINGW_THREADS posix)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DECORAMA_MINGW_THREADS)

set(CMAKE_C_COMPILER ${DECORAMA_MINGW_TRIPLE}-gcc-${DECORAMA_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${DECORAMA_MINGW_TRIPLE}-g++-${DECORAMA_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${DECORAMA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DECORAMA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in statically (the C++ runtime and winpthreads included), so
# the programs run from their folder, and under Wine, without MinGW's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
