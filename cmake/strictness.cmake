# Warnings and Qt switches for every target of the tree, in one place, so that a slip (a hidden
# name, a missing override, a deprecated or lossy Qt call) stops the build instead of shipping.
add_compile_options(-Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override)
