# Two commands for users: `make run` starts the game, `make test` runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build deps bench install package clean

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

clean:
	rm -rf $(BUILD_DIR)
