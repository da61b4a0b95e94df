# The README's two commands: `make run` and `make test`.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc)

.PHONY: run test test-sanitize test-tsan fuzz build deps configure bench

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/pixono

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPIXONO_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The tests that cross threads (driver callbacks, the notify window, the fake driver's done reports),
# built with ThreadSanitizer. The built-in synthesizer's tests are left out: FluidSynth's OpenMP worker
# threads are not instrumented, so the sanitizer reports races inside the library that are not ours.
TSAN_TESTS ?= Relay|NotifyWindow|LongMessage|FakeMidiDriver|BackendDriver
test-tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPIXONO_TSAN=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target unit_tests
	cd $(TSAN_BUILD) && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ctest --output-on-failure -j $(JOBS) -R '$(TSAN_TESTS)' -E 'BuiltinSynth'

# The fuzz targets, built with clang's libFuzzer in a build of their own, each run for FUZZ_SECONDS.
# New inputs go to a corpus in the build folder; the committed seeds stay as they are.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	@set -e; for seeds in tests/fuzz/seeds/*/; do \
	  name=$$(basename $$seeds); mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "fuzz_$$name: $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/tests/fuzz/fuzz_$$name -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/$$name $$seeds; \
	done

bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && "$$b"; done
