# make run  — install what is missing, build, prepare the program folder, start the program
# make test — the same set-up, then every test on the offscreen platform
# make package — the Debian package of the installed program
# make bench — the benchmarks: figures, no verdicts
BUILD_DIR := build
JOBS := $(shell nproc 2>/dev/null || echo 2)

# The benchmarks run offscreen unless told otherwise, each program beside a
# sound server of its own, so its cues find an output.
BENCH_ENV := QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen}
WITH_SOUND := sh $(CURDIR)/bench/with_sound_server.sh

.PHONY: run test build deps configure bench clean format-check clang-check package

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
	$(BENCH_ENV) $(WITH_SOUND) sh bench/run_startup_bench.sh $(BUILD_DIR)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./drill_table_bench
	cd $(BUILD_DIR) && $(BENCH_ENV) $(WITH_SOUND) ./handler_latency_bench

format-check:
	@sh tools/check_format.sh

# Every source compiles with clang++ too (clang-tidy and clangd read the same code).
clang-check: configure
	@python3 tools/check_clang.py $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
