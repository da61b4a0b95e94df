# The README's commands: `make run`, `make test`, and `make package` for a Debian package.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
PACKAGE_BUILD ?= build-package
FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc)
# Our own builds treat warnings as errors; a packager's plain cmake build does not.
CONFIGURE = cmake -S . -DPIXONO_WERROR=ON

.PHONY: run build-tests test test-sanitize test-tsan fuzz bench bench-startup bench-timing package package-check deps-run deps-package deps-test

deps-run:
	@scripts/install-deps run

deps-package:
	@scripts/install-deps package

deps-test:
	@scripts/install-deps test

# Building to run needs neither the tests nor their packages: a new build folder leaves them out,
# one that `make test` configured keeps them, and only the program is built.
run: deps-run
	$(CONFIGURE) -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DBUILD_TESTING=OFF)
	cmake --build $(BUILD) -j $(JOBS) --target pixono
	$(BUILD)/pixono

build-tests: deps-test
	$(CONFIGURE) -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
	cmake --build $(BUILD) -j $(JOBS)

test: build-tests
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps-test
	$(CONFIGURE) -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPIXONO_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The tests that cross threads (driver callbacks, the notify window, the fake driver's done reports, the
# built-in synthesizer's feed), built with ThreadSanitizer. The built-in synthesizer's tests are left
# out: FluidSynth's OpenMP worker threads are not instrumented, so the sanitizer reports races inside
# the library that are not ours.
TSAN_TESTS ?= Relay|NotifyWindow|LongMessage|FakeMidiDriver|BackendDriver|SynthFeed
test-tsan: deps-test
	$(CONFIGURE) -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPIXONO_TSAN=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target unit_tests
	cd $(TSAN_BUILD) && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ctest --output-on-failure -j $(JOBS) -R '$(TSAN_TESTS)' -E 'BuiltinSynth'

# The fuzz targets, built with clang's libFuzzer in a build of their own, each run for FUZZ_SECONDS.
# New inputs go to a corpus in the build folder; the committed seeds stay as they are.
fuzz: deps-test
	CXX=clang++ $(CONFIGURE) -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	@set -e; for seeds in tests/fuzz/seeds/*/; do \
	  name=$$(basename $$seeds); mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "fuzz_$$name: $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/tests/fuzz/fuzz_$$name -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/$$name $$seeds; \
	done

bench: build-tests
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && "$$b"; done

# Start-up against a bare Qt window with the same widgets under Xvfb and a JACK dummy server:
# prints the figures and gates on none (RUNS starts of each, 5 unless set).
bench-startup: build-tests
	bench/startup/startup.sh $(BUILD)

# Note timing against a bare Xlib window that plays through JACK alike, under Xvfb and a JACK dummy server
# at 1024, 256 and 64 frames: prints both spreads and gates on none (RUNS runs, 3 unless set).
bench-timing: build-tests
	bench/timing/timing.sh $(BUILD)

# The Debian package of a Release build installed to /usr, in a build folder of its own, built with the
# distribution's hardening flags. SOURCE_DATE_EPOCH, the last commit's time unless given (the changelog's
# outside a git checkout), dates every file in it, so that two builds of one commit give the same bytes.
BUILD_FLAG = $$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get $(1))
# The build folder's path would reach the program's build ID through the debugging information, so
# that the same commit built in another folder would give other bytes: it is recorded as "build".
BUILD_FOLDER_MAP = -ffile-prefix-map=$(abspath $(PACKAGE_BUILD))=build
package: deps-package
	$(CONFIGURE) -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF \
	  -DCMAKE_CXX_FLAGS="$(call BUILD_FLAG,CPPFLAGS) $(call BUILD_FLAG,CXXFLAGS) $(BUILD_FOLDER_MAP)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(call BUILD_FLAG,LDFLAGS)"
	export SOURCE_DATE_EPOCH=$${SOURCE_DATE_EPOCH:-$$(git log -1 --format=%ct 2>/dev/null || \
	  dpkg-parsechangelog -l dist/changelog -S Timestamp)} && \
	  cmake --build $(PACKAGE_BUILD) -j $(JOBS) && \
	  rm -f $(PACKAGE_BUILD)/pixono_*.deb && \
	  cd $(PACKAGE_BUILD) && cpack -G DEB
	@ls $(PACKAGE_BUILD)/pixono_*.deb

# Checks the package, and that two builds, each in a clean folder of its own and the second without the
# compiler cache, give the same bytes.
package-check: deps-test
	rm -rf $(PACKAGE_BUILD) $(PACKAGE_BUILD)-again
	$(MAKE) --no-print-directory package
	scripts/check-package $(PACKAGE_BUILD)/pixono_*.deb
	CCACHE_DISABLE=1 $(MAKE) --no-print-directory package PACKAGE_BUILD=$(PACKAGE_BUILD)-again >/dev/null
	@if cmp $(PACKAGE_BUILD)/pixono_*.deb $(PACKAGE_BUILD)-again/pixono_*.deb; then rm -rf $(PACKAGE_BUILD)-again; \
	  else echo "package-check: two package builds differ" >&2; exit 1; fi
