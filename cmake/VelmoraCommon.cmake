# Settings every Velmora target shares: language level, warnings, strict Qt string handling.
add_library(velmora_common INTERFACE)
target_compile_features(velmora_common INTERFACE cxx_std_20)
target_compile_definitions(velmora_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    # Every connection names the object it lives with (Qt 6.7 and later check it; older Qt
    # ignores the definition).
    QT_NO_CONTEXTLESS_CONNECT
    QT_DISABLE_DEPRECATED_UP_TO=0x060400
    QT_FORCE_ASSERTS
)
target_compile_options(velmora_common INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
if(VELMORA_WERROR)
    target_compile_options(velmora_common INTERFACE -Werror)
endif()
if(VELMORA_SANITIZERS)
    target_compile_options(velmora_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(velmora_common INTERFACE -fsanitize=address,undefined)
endif()

# velmora_add_test(NAME SOURCES ... LIBS ... [GUI])
# One executable per test file; GUI tests run on the offscreen platform.
function(velmora_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE velmora_common velmora_test_support Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set(env "LANG=C.UTF-8" "LC_ALL=C.UTF-8" "QT_QPA_PLATFORM=offscreen" "QT_LOGGING_RULES=*.debug=false")
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()
