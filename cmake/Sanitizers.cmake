# TESSELLON_SANITIZE=ON builds every library, program and test with
# AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer, in a
# build folder of its own (make test-asan uses build-asan). Undefined
# behaviour is not recoverable, so a finding ends the process with an error
# instead of a line in the log that a passing test would hide.
option(TESSELLON_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TESSELLON_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        message(FATAL_ERROR "TESSELLON_SANITIZE is set up for GCC")
    endif()
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    # The instrumentation makes GCC warn of values that "may be used
    # uninitialized" where none is (seen in std::variant's move of a QString
    # alternative); GCC's manual warns of this for sanitizer builds. The
    # normal build keeps the warning.
    add_compile_options(-Wno-maybe-uninitialized)
    add_link_options(-fsanitize=address,undefined)
    # Test discovery runs the test programs; under the sanitizers it runs
    # them from ctest, where the sanitizer settings are in force.
    set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
    # The sanitizer settings and suppression files, read by ctest in every
    # test folder (tessellon_add_test), so they hold also for ctest run in
    # one folder.
    set(TESSELLON_SANITIZERS_DIR ${CMAKE_SOURCE_DIR}/tests/sanitizers)
    set(TESSELLON_SANITIZER_TEST_ENVIRONMENT ${CMAKE_BINARY_DIR}/SanitizerTestEnvironment.cmake)
    configure_file(${TESSELLON_SANITIZERS_DIR}/TestEnvironment.cmake.in
                   ${TESSELLON_SANITIZER_TEST_ENVIRONMENT} @ONLY)
endif()
