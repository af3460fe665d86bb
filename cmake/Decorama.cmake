# Shared build settings, applied per target.

function(decorama_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(DECORAMA_SANITIZE)
        target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=undefined)
        target_link_options(${target} PUBLIC -fsanitize=address,undefined)
    endif()
endfunction()

# stb's single-file image codecs (Debian's libstb-dev); found on the host also
# for the cross builds, since they are plain headers.
find_path(STB_INCLUDE_DIR NAMES stb_image.h PATHS /usr/include/stb NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT STB_INCLUDE_DIR)
    message(FATAL_ERROR "stb headers not found: install libstb-dev")
endif()

# The program folder: ${CMAKE_BINARY_DIR}/Decorama holds decorama.exe next to the
# data files it reads from its own folder (src/main and tools put them there).
set(DECORAMA_PROGRAM_DIR ${CMAKE_BINARY_DIR}/Decorama)
