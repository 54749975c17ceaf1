# The core's tests on a Windows build made here: the same sources as on Linux, for the modules
# that need neither libzip nor Qt. CTest runs each program through the emulator (Wine).
add_library(flightdeck_test_support STATIC support/TestFiles.cpp)
target_include_directories(flightdeck_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(flightdeck_test_support PUBLIC flightdeck_core GTest::gtest)
target_compile_definitions(flightdeck_test_support PUBLIC
  FLIGHTDECK_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  FLIGHTDECK_FIXTURES_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")

function(flightdeck_core_tests name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE flightdeck_test_support GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

flightdeck_core_tests(platform_tests ${FLIGHTDECK_PLATFORM_TESTS})
flightdeck_core_tests(journal_tests ${FLIGHTDECK_JOURNAL_TESTS})
flightdeck_core_tests(lists_tests ${FLIGHTDECK_LISTS_TESTS})
# The catalogue check's test is left out: its game holds file names with line feeds, which
# Windows names cannot.
flightdeck_core_tests(services_tests services/GamePlacesTest.cpp services/GameFinderTest.cpp
  services/MissionInstallTest.cpp)
flightdeck_core_tests(script_tests packs/InstallScriptTest.cpp)
