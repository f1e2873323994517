# make run  — install what is missing, build, prepare the program folder, start the program
# make test — the same set-up, then every test on the offscreen platform
# make package — the Debian package of the installed program
# make soak — the random child for a million events on a fresh seed (set
#             RANDOM_USE_EVENTS and RANDOM_USE_SEED to choose; a failure names its seed)
BUILD_DIR := build
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build deps configure bench clean format-check clang-check package soak

# Only the program and its folder (sounds, help file, tables), not the tests.
run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target poruna
	cd $(BUILD_DIR) && ./poruna

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

deps:
	@sh tools/install_packages.sh

package: configure
	@sh tools/install_packages.sh package
	cmake --build $(BUILD_DIR) -j $(JOBS) --target installed_files
	cd $(BUILD_DIR) && cpack

bench: build
	sh bench/run_startup_bench.sh $(BUILD_DIR)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./drill_table_bench

soak: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target test_random_use
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 \
		RANDOM_USE_EVENTS=$${RANDOM_USE_EVENTS:-1000000} RANDOM_USE_SEED=$${RANDOM_USE_SEED:-$$(date +%s)} \
		./test_random_use

format-check:
	@sh tools/check_format.sh

# Every source compiles with clang++ too (clang-tidy and clangd read the same code).
clang-check: configure
	@python3 tools/check_clang.py $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
