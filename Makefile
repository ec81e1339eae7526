# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

FUZZ_DIR ?= build-fuzz
# Seconds each fuzz target runs in `make fuzz-short`.
FUZZ_SECONDS ?= 10

.PHONY: all bootstrap configure build run test format clean fuzz fuzz-short

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null; \
	fi

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 300

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
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
