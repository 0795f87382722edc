# Brelvane: the two set-up commands are `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/brelvane

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BUILD_DIR)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRELVANE_TESTS=OFF -DBRELVANE_BENCH=ON >/dev/null
	@cmake --build $(BUILD_DIR)-bench -j $(JOBS)
	$(BUILD_DIR)-bench/bench/brelvane_bench

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-bench
