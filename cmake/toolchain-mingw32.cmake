# 32-bit Windows with MinGW-w64, the build that runs on Windows 95 to 2000.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(DECORAMA_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)

# Windows 95 and NT 4 refuse programs that ask for a subsystem newer than 4.0.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT
       " -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0"
       " -Wl,--major-os-version,4 -Wl,--minor-os-version,0")

# The release is kept small (scripts/check-release.sh): each function and datum
# in a section of its own, so that the linker keeps only what is used.
string(APPEND CMAKE_C_FLAGS_INIT " -ffunction-sections -fdata-sections")
string(APPEND CMAKE_CXX_FLAGS_INIT " -ffunction-sections -fdata-sections")
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--gc-sections")
