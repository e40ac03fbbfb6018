# Compiler warnings for every target of the project; -Werror behind VEXMOOR_WERROR (CI turns it on).
function(vexmoor_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(VEXMOOR_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
