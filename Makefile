# The README's two commands: `make run` and `make test`.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
TSAN_BUILD ?= build-tsan
JOBS ?= $(shell nproc)

.PHONY: run test test-sanitize test-tsan build deps configure bench

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
# built with ThreadSanitizer.
TSAN_TESTS ?= Relay|NotifyWindow|LongMessage|FakeMidiDriver
test-tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPIXONO_TSAN=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target unit_tests
	cd $(TSAN_BUILD) && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ctest --output-on-failure -j $(JOBS) -R '$(TSAN_TESTS)'

bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && "$$b"; done
