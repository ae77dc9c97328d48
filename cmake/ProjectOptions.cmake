# Compile options shared by every target of the project.
add_library(velmorra_options INTERFACE)

target_compile_options(velmorra_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    $<$<BOOL:${VELMORRA_WERROR}>:-Werror>)

# Strict string handling: every text literal states its encoding.
target_compile_definitions(velmorra_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    QT_NO_KEYWORDS
    QT_USE_QSTRINGBUILDER
    QT_STRICT_ITERATORS)

set(VELMORRA_SANITIZE "" CACHE STRING
    "Sanitizers to build with, e.g. address,undefined")
if(VELMORRA_SANITIZE)
    target_compile_options(velmorra_options INTERFACE
        -fsanitize=${VELMORRA_SANITIZE} -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    target_link_options(velmorra_options INTERFACE
        -fsanitize=${VELMORRA_SANITIZE})
endif()
