# One place for the warnings and sanitizer flags every target of ours uses.
add_library(flightdeck_options INTERFACE)
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
