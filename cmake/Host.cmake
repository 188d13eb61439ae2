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
if(WIN32)
  # On Windows (the Windows workflow): the peak memory that a test bounds (tests/host/PeakMemory.cpp), and no
  # MinGW runtime DLLs to find.
  target_link_libraries(host_tests PRIVATE psapi)
  if(MINGW)
    target_link_options(host_tests PRIVATE -static)
  endif()
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  # A 32-bit x86 build computes single precision on the x87 in 80 bits (10 * 0.7f is then below 7): the tests
  # check the single-precision arithmetic of a 64-bit host.
  target_compile_options(quorvel_core PUBLIC -msse2 -mfpmath=sse)
endif()
# The label selects these tests alike in scripts/test and the Windows workflow.
gtest_discover_tests(host_tests DISCOVERY_MODE PRE_TEST PROPERTIES LABELS host)

# libFuzzer targets: the quiz code is instrumented for coverage, each target gets libFuzzer's main.
if(QUORVEL_FUZZ)
  # Without three of UBSan's checks, which the unit tests keep, the targets run half as fast again: the
  # dynamic type at every call through the platform interface (the code makes no downcasts), and the
  # alignment and wrap-around of every pointer (x86 reads any address, and AddressSanitizer reports any
  # access that a wrapped pointer makes).
  target_compile_options(quorvel_core PUBLIC -fsanitize=fuzzer-no-link -fno-sanitize=vptr,alignment,pointer-overflow)
  # The whole program per input, and its readers alone (many times faster).
  add_executable(fuzz_dictionary tests/fuzz/DictionaryFuzz.cpp)
  add_executable(fuzz_settings tests/fuzz/SettingsFuzz.cpp)
  add_executable(fuzz_dictionary_reader tests/fuzz/DictionaryReaderFuzz.cpp)
  add_executable(fuzz_settings_lines tests/fuzz/SettingsLinesFuzz.cpp)
  add_executable(fuzz_utf8 tests/fuzz/Utf8Fuzz.cpp)
  add_executable(fuzz_numbers tests/fuzz/NumbersFuzz.cpp)
  add_executable(fuzz_report tests/fuzz/ReportFuzz.cpp)
  add_executable(fuzz_practice tests/fuzz/PracticeFuzz.cpp)
  foreach(fuzzer fuzz_dictionary fuzz_settings fuzz_dictionary_reader fuzz_settings_lines fuzz_utf8 fuzz_numbers
      fuzz_report fuzz_practice)
    target_link_libraries(${fuzzer} PRIVATE quorvel_sim)
    target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()

# A month of made-up mornings as a report, for scripts/test to render in a browser.
add_executable(sample_report tests/report/SampleReport.cpp)
target_link_libraries(sample_report PRIVATE quorvel_sim)

# The practice dealer against the uniform one on simulated children (scripts/test runs a few of them).
add_executable(practice_bench bench/PracticeBench.cpp)
target_link_libraries(practice_bench PRIVATE quorvel_sim)
