# Two commands for users: `make run` starts the game, `make test` runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 30

.PHONY: run test build deps bench install package clean fuzz fuzz-smoke

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./scripts/run-game $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	./scripts/run-benchmarks $(BUILD_DIR)

install: build
	cmake --install $(BUILD_DIR)

# The Debian package, written as $(BUILD_DIR)/quilorn_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

# The libFuzzer targets, built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of their own.
fuzz:
	./scripts/install-deps --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILORN_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_game_file fuzz_solver fuzz_seeds

# A short run of each fuzz target, FUZZ_SECONDS each.
fuzz-smoke: fuzz
	./scripts/run-fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
