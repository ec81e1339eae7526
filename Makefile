# The two commands of the README: `make run` and `make test`; `make
# test-asan`, every test again in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan); and `make fuzz-short`, the fuzz
# targets briefly on their seeds (build-fuzz).
BUILD_DIR ?= build
ASAN_BUILD_DIR ?= build-asan
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Configures the build folder $(1) once, with the extra cmake options $(2).
configure_in = if [ ! -f $(1)/build.ninja ]; then \
  cmake -S . -B $(1) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(2) >/dev/null; \
fi
# Runs every test of the build folder $(1), each with at most $(2) seconds.
test_in = cd $(1) && ctest --output-on-failure -j $(JOBS) --timeout $(2)

FUZZ_DIR ?= build-fuzz
# Seconds each fuzz target runs in `make fuzz-short`.
FUZZ_SECONDS ?= 10

.PHONY: all bootstrap configure build run test test-asan format clean fuzz fuzz-short

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@$(call configure_in,$(BUILD_DIR))

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run

test: build
	@$(call test_in,$(BUILD_DIR),300)

# The sanitizers make the programs two to three times slower.
test-asan: bootstrap
	@$(call configure_in,$(ASAN_BUILD_DIR),-DTESSELLON_SANITIZE=ON)
	@cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	@$(call test_in,$(ASAN_BUILD_DIR),900)

# The libFuzzer targets of fuzz/, built with clang and the address and
# undefined-behaviour sanitizers in a folder of their own.
fuzz: bootstrap
	@if [ ! -f $(FUZZ_DIR)/build.ninja ]; then \
	  CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DTESSELLON_FUZZ=ON >/dev/null; \
	fi
	@cmake --build $(FUZZ_DIR) --target fuzzers -j $(JOBS)

# Each fuzz target for a few seconds on its seeds; fails on any finding.
fuzz-short: fuzz
	@fuzz/run-short $(FUZZ_DIR)/fuzz $(FUZZ_SECONDS)

format:
	@find src apps tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) $(FUZZ_DIR)
