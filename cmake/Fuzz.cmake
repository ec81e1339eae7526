# The fuzz build: every library compiled for coverage-guided fuzzing with
# AddressSanitizer and UndefinedBehaviorSanitizer; the targets link
# libFuzzer's main (see fuzz/CMakeLists.txt). Any undefined behaviour stops
# the run, so the fuzzer reports it like a crash.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz build needs clang (CC=clang CXX=clang++)")
endif()
set(TESSELLON_SANITIZERS address,undefined)
add_compile_options(-fsanitize=fuzzer-no-link,${TESSELLON_SANITIZERS}
                    -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1)
add_link_options(-fsanitize=${TESSELLON_SANITIZERS})
