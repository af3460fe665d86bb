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

# The program folder: ${CMAKE_BINARY_DIR}/Decorama holds the executable next to
# the data files it reads from its own folder. decorama_program(target) puts an
# executable there (statically linked on Windows, so the folder runs as it is) and
# makes building it also build the sample data when the build offers it.
set(DECORAMA_PROGRAM_DIR ${CMAKE_BINARY_DIR}/Decorama)

function(decorama_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DECORAMA_PROGRAM_DIR})
    if(WIN32)
        target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
    # The sample data may be defined after the program: look for it once the whole
    # project has been read.
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _decorama_program_data ${target})
endfunction()

function(_decorama_program_data target)
    if(TARGET sample_collection)
        add_dependencies(${target} sample_collection)
    endif()
endfunction()
