# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build when VEXMOOR_SANITIZE is on.
if(VEXMOOR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
