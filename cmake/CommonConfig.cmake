# One INTERFACE target carries the language standard, warnings and defines for every target.
add_library(tarvendi_common INTERFACE)
target_compile_features(tarvendi_common INTERFACE cxx_std_20)
target_compile_options(tarvendi_common INTERFACE -Wall -Wextra)
# GCC 12 reports "literal" + std::string at -O2 as overlapping memcpy (GCC bug 105329), a false
# positive that would otherwise flood Release builds.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(tarvendi_common INTERFACE -Wno-restrict)
endif()
target_compile_definitions(tarvendi_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER)

option(TARVENDI_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TARVENDI_SANITIZE)
    target_compile_options(tarvendi_common INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(tarvendi_common INTERFACE -fsanitize=address,undefined)
endif()

# ThreadSanitizer cannot share a build with AddressSanitizer: it is a build of its own.
option(TARVENDI_TSAN "Build with ThreadSanitizer" OFF)
if(TARVENDI_TSAN)
    if(TARVENDI_SANITIZE)
        message(FATAL_ERROR "TARVENDI_TSAN and TARVENDI_SANITIZE exclude each other")
    endif()
    target_compile_options(tarvendi_common INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(tarvendi_common INTERFACE -fsanitize=thread)
endif()
