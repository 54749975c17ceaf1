# SPDX-License-Identifier: GPL-3.0-or-later
# One place for the language level, the warnings and the sanitizer flags every target of ours
# uses: each library links this, so a project that adds ours builds them as we do.
add_library(flightdeck_options INTERFACE)
target_compile_features(flightdeck_options INTERFACE cxx_std_20)
if(MSVC)
  target_compile_options(flightdeck_options INTERFACE /W4 /permissive-)
else()
  target_compile_options(flightdeck_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow
    -Wconversion -Wsign-conversion -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
endif()
# CI builds with warnings as errors, so that none comes in unseen.
option(FLIGHTDECK_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
if(FLIGHTDECK_WARNINGS_AS_ERRORS)
  target_compile_options(flightdeck_options INTERFACE $<IF:$<CXX_COMPILER_ID:MSVC>,/WX,-Werror>)
endif()
# The window's libraries use Qt's strings and signals only as the code spells them out: no text
# converted behind its back from bytes or to them, no URL from a string, and no macros named
# like plain words. (The tests keep Qt's conveniences.)
add_library(flightdeck_qt_options INTERFACE)
target_compile_definitions(flightdeck_qt_options INTERFACE QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER
  QT_NO_KEYWORDS)

if(FLIGHTDECK_SANITIZE OR FLIGHTDECK_FUZZ)
  target_compile_options(flightdeck_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(flightdeck_options INTERFACE -fsanitize=address,undefined)
endif()
if(FLIGHTDECK_FUZZ)
  target_compile_options(flightdeck_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
target_compile_definitions(flightdeck_options INTERFACE FLIGHTDECK_VERSION="${PROJECT_VERSION}")
# Two builds of the same sources in two folders give the same bytes: no path of either folder is
# written into the programs (file names in debug information and messages are relative). The
# build folder is named first, as it may lie in the source folder and the last map that fits a
# path is the one taken.
if(NOT MSVC)
  target_compile_options(flightdeck_options INTERFACE
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}/= -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
endif()

# The hardening Debian asks of the programs it ships: checked string and memory functions, a
# guarded stack, and every binding resolved and made read-only at start.
if(NOT WIN32 AND NOT FLIGHTDECK_SANITIZE AND NOT FLIGHTDECK_FUZZ)
  target_compile_definitions(flightdeck_options INTERFACE
                             $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  target_compile_options(flightdeck_options INTERFACE -fstack-protector-strong)
  target_link_options(flightdeck_options INTERFACE -Wl,-z,relro,-z,now)
endif()
