# Shared build settings, applied per target.

function(decorama_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(DECORAMA_SANITIZE)
        target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=undefined)
        target_link_options(${target} PUBLIC -fsanitize=address,undefined)
    endif()
endfunction()
