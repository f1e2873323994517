# make run  — install what running needs and is missing, build, prepare the program folder, start the program
# make test — the same set-up and what the tests need, then every test on the offscreen platform
# make package — the Debian package of the installed program
# make soak — the random child for a million events on a fresh seed (set
#             RANDOM_USE_EVENTS and RANDOM_USE_SEED to choose; a failure names its seed)
# make asan — every test again, built with AddressSanitizer, LeakSanitizer and
#             UndefinedBehaviorSanitizer in build-asan; any report fails
# make bench — the benchmarks: figures, no verdicts
BUILD_DIR := build
ASAN_DIR := build-asan
JOBS := $(shell nproc 2>/dev/null || echo 2)

# A sanitizer report ends the process that made it with an error, so the test
# fails; the standard library checks its own bounds and preconditions too.
SANITIZE := -fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer -fno-sanitize-recover=all
SANITIZER_ENV := \
	ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/leak_suppressions.txt
# The benchmarks run offscreen unless told otherwise, each program beside a
# sound server of its own, so its cues find an output.
BENCH_ENV := QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen}
WITH_SOUND := sh $(CURDIR)/bench/with_sound_server.sh

.PHONY: run test build deps test-deps configure bench clean format-check clang-check package soak asan

# Only the program and its folder (sounds, help file, tables), not the tests.
run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target poruna
	cd $(BUILD_DIR) && ./poruna

test: test-deps build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

deps:
	@sh tools/install_packages.sh

# clang-format, and the sound server the tests and benchmarks start for themselves.
test-deps:
	@sh tools/install_packages.sh test

package: configure
	@sh tools/install_packages.sh package
	cmake --build $(BUILD_DIR) -j $(JOBS) --target installed_files
	cd $(BUILD_DIR) && cpack

bench: test-deps build
	$(BENCH_ENV) $(WITH_SOUND) sh bench/run_startup_bench.sh $(BUILD_DIR)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./drill_table_bench
	cd $(BUILD_DIR) && $(BENCH_ENV) $(WITH_SOUND) ./handler_latency_bench
	cd $(BUILD_DIR) && $(BENCH_ENV) $(WITH_SOUND) ./cue_latency_bench

# The tests, and every handler of every screen on the real sound device (a few
# rounds of the latency benchmark), under the sanitizers.
asan: test-deps
	@test -f $(ASAN_DIR)/CMakeCache.txt || cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug \
		"-DCMAKE_CXX_FLAGS=$(SANITIZE) -D_GLIBCXX_ASSERTIONS" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE)"
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen $(WITH_SOUND) ./handler_latency_bench 3 > /dev/null

soak: test-deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target test_random_use
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 \
		RANDOM_USE_EVENTS=$${RANDOM_USE_EVENTS:-1000000} RANDOM_USE_SEED=$${RANDOM_USE_SEED:-$$(date +%s)} \
		./test_random_use

format-check: test-deps
	@sh tools/check_format.sh

# Every source compiles with clang++ too (clang-tidy and clangd read the same code).
clang-check: configure
	@python3 tools/check_clang.py $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
