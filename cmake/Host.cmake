# The host build: the quiz on the in-memory platform, and its unit tests.
add_library(quorvel_sim STATIC
  platform/sim/SimPlatform.cpp
  platform/sim/Cp1251.cpp
)
target_link_libraries(quorvel_sim PUBLIC quorvel_core)

if(QUORVEL_SANITIZE)
  set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(quorvel_core PUBLIC ${sanitize})
  target_link_options(quorvel_core PUBLIC ${sanitize})
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB host_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/host/*.cpp)
add_executable(host_tests ${host_tests})
target_link_libraries(host_tests PRIVATE quorvel_sim GTest::gtest GTest::gtest_main)
gtest_discover_tests(host_tests DISCOVERY_MODE PRE_TEST)

# libFuzzer targets: the quiz code is instrumented for coverage, each target gets libFuzzer's main.
if(QUORVEL_FUZZ)
  target_compile_options(quorvel_core PUBLIC -fsanitize=fuzzer-no-link)
  add_executable(fuzz_dictionary tests/fuzz/DictionaryFuzz.cpp)
  add_executable(fuzz_settings tests/fuzz/SettingsFuzz.cpp)
  add_executable(fuzz_report tests/fuzz/ReportFuzz.cpp)
  foreach(fuzzer fuzz_dictionary fuzz_settings fuzz_report)
    target_link_libraries(${fuzzer} PRIVATE quorvel_sim)
    target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()

# A month of made-up mornings as a report, for scripts/test to render in a browser.
add_executable(sample_report tests/report/SampleReport.cpp)
target_link_libraries(sample_report PRIVATE quorvel_sim)
