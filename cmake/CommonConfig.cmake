# SPDX-License-Identifier: GPL-3.0-or-later
# One place for the language level, the warnings and the sanitizer flags every target of ours
# uses: each library links this, so a project that adds ours builds them as we do.
add_library(flightdeck_options INTERFACE)
target_compile_features(flightdeck_options INTERFACE cxx_std_20)
if(MSVC)
  target_compile_options(flightdeck_options INTERFACE /W4 /permissive-)
else()
  target_compile_options(flightdeck_options INTERFACE -Wall -Wextra -Wpedantic)
endif()

if(FLIGHTDECK_SANITIZE OR FLIGHTDECK_FUZZ)
  target_compile_options(flightdeck_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(flightdeck_options INTERFACE -fsanitize=address,undefined)
endif()
if(FLIGHTDECK_FUZZ)
  target_compile_options(flightdeck_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
target_compile_definitions(flightdeck_options INTERFACE FLIGHTDECK_VERSION="${PROJECT_VERSION}")

# The hardening Debian asks of the programs it ships: checked string and memory functions, a
# guarded stack, and every binding resolved and made read-only at start.
if(NOT WIN32 AND NOT FLIGHTDECK_SANITIZE AND NOT FLIGHTDECK_FUZZ)
  target_compile_definitions(flightdeck_options INTERFACE
                             $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  target_compile_options(flightdeck_options INTERFACE -fstack-protector-strong)
  target_link_options(flightdeck_options INTERFACE -Wl,-z,relro,-z,now)
endif()
