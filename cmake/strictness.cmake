# Warnings and Qt switches for every target of the tree, in one place, so that a slip (a hidden
# name, a missing override, a deprecated or lossy Qt call) stops the build instead of shipping.
add_compile_options(-Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override)
# Qt 6.4 reads QT_DISABLE_DEPRECATED_BEFORE, later versions QT_DISABLE_DEPRECATED_UP_TO.
add_compile_definitions(QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
                        QT_DISABLE_DEPRECATED_BEFORE=0x060400 QT_DISABLE_DEPRECATED_UP_TO=0x060400)

# The program's own code says which encoding each literal has; the tests and benchmarks are left
# free to build QStrings from plain literals.
function(kivra_no_ascii_casts)
  foreach(target ${ARGV})
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII)
  endforeach()
endfunction()
