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

# An include that climbs out of its folder ("../app/frmMain.h") would pass by the
# include roots below, so every library's folder is read before it is built and
# such an include stops the build (cmake/CheckIncludes.cmake).
function(decorama_check_includes target folder)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.h ${folder}/*.cpp ${folder}/*.rc)
    set(stamp ${CMAKE_BINARY_DIR}/layers/${target}.includes-checked)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DSTAMP=${stamp} -DFOLDER=${folder} -P ${DECORAMA_CHECK_INCLUDES}
        DEPENDS ${sources} ${DECORAMA_CHECK_INCLUDES}
        COMMENT "Checking the includes of ${target}"
        VERBATIM)
    add_custom_target(${target}_includes DEPENDS ${stamp})
    add_dependencies(${target} ${target}_includes)
endfunction()
set(DECORAMA_CHECK_INCLUDES ${CMAKE_CURRENT_LIST_DIR}/CheckIncludes.cmake)

# Layers. Each library sees, through an include root of its own, only its own
# folder and the folders of the libraries it uses (and of those they use), so an
# include against the layering (the settings library including the application,
# the core including a backend) fails to compile.
#
#   decorama_layer(TARGET NAME FOLDER [USES library...] [EXCEPT entry...])
#
# NAME is the include prefix ("system", "savers"), FOLDER the folder it
# stands for; EXCEPT leaves sub-folders of FOLDER out (the backends beside the
# layer's interfaces). The include root is a folder of symbolic links in the
# build tree.
function(decorama_layer target name folder)
    cmake_parse_arguments(L "" "" "USES;EXCEPT" ${ARGN})
    if(L_EXCEPT)
        set(links "")
        file(GLOB entries CONFIGURE_DEPENDS RELATIVE ${folder} ${folder}/*)
        foreach(entry IN LISTS entries)
            if(NOT entry IN_LIST L_EXCEPT)
                list(APPEND links "${name}/${entry}!${folder}/${entry}")
            endif()
        endforeach()
    else()
        set(links "${name}!${folder}")
    endif()
    foreach(used IN LISTS L_USES)
        get_target_property(used_links ${used} DECORAMA_LAYER_LINKS)
        if(used_links)
            list(APPEND links ${used_links})
        endif()
    endforeach()
    # "prefix!folder": "!" sorts before "/", so a folder comes before the ones in it.
    list(REMOVE_DUPLICATES links)
    list(SORT links)
    set_target_properties(${target} PROPERTIES DECORAMA_LAYER_LINKS "${links}")

    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    file(REMOVE_RECURSE ${root})
    set(linked "")
    foreach(link IN LISTS links)
        string(REPLACE "!" ";" parts "${link}")
        list(GET parts 0 prefix)
        list(GET parts 1 path)
        # A prefix inside a folder already linked is reached through that link.
        set(covered FALSE)
        foreach(done IN LISTS linked)
            string(FIND "${prefix}/" "${done}/" at)
            if(at EQUAL 0)
                set(covered TRUE)
            endif()
        endforeach()
        if(NOT covered)
            get_filename_component(parent ${root}/${prefix} DIRECTORY)
            file(MAKE_DIRECTORY ${parent})
            file(CREATE_LINK ${path} ${root}/${prefix} SYMBOLIC)
            list(APPEND linked ${prefix})
        endif()
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
    decorama_check_includes(${target} ${folder})
    if(L_USES)
        target_link_libraries(${target} PUBLIC ${L_USES})
    endif()
    decorama_warnings(${target})
endfunction()
