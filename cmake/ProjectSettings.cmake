# One place for the settings every target shares.
add_library(ktx_settings INTERFACE)
target_compile_features(ktx_settings INTERFACE cxx_std_20)
target_compile_options(ktx_settings INTERFACE -Wall -Wextra -Wpedantic -Werror)
target_compile_definitions(ktx_settings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_KEYWORDS QT_DISABLE_DEPRECATED_UP_TO=0x060000)
target_include_directories(ktx_settings INTERFACE ${PROJECT_SOURCE_DIR})

if(KTX_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(ktx_settings INTERFACE ${_san})
  target_link_options(ktx_settings INTERFACE ${_san})
endif()

# Stricter warnings for all our code: the program's libraries and executable, the device library
# and its tools, and the tests.
add_library(ktx_strict INTERFACE)
target_compile_options(ktx_strict INTERFACE -Wold-style-cast -Wnon-virtual-dtor -Wshadow)

# Static library for one subsystem folder: ktx_add_library(name SOURCES ... LIBS ...)
function(ktx_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC ktx_settings ${ARG_LIBS})
  target_link_libraries(${name} PRIVATE ktx_strict)
endfunction()
