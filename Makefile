# The two entry points: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test bench check-sanitize fuzz fuzz-build install package deps build configure clean \
	windows test-windows

# ccache (when installed) shares its cache between checkouts of the tree.
export CCACHE_BASEDIR := $(CURDIR)

run: build
	$(BUILD_DIR)/marovel

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The benchmark program: every speed figure, with its input size and target.
bench: build
	$(BUILD_DIR)/bench/marovel_bench

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and run; built
# unoptimised, which takes far less time. The sanitizers exit with their own statuses, so no
# report passes for a refused file's exit 1.
SANITIZE_DIR ?= build-sanitize
SANITIZER_ENV = ASAN_OPTIONS=exitcode=86:detect_leaks=1:abort_on_error=0 \
	UBSAN_OPTIONS=exitcode=87:halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp:print_suppressions=0
check-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DMAROVEL_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS; fails on a crash, a leak, a hang or running out of memory.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: fuzz-build
	sh scripts/run-fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)
fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DMAROVEL_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)

# Installs into PREFIX (default /usr/local; DESTDIR is honoured); `make package` builds the
# Debian package build/marovel_<version>_<arch>.deb.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# `make windows`: Marovel cross-built for 64-bit Windows in build-windows/ and the release
# build-windows/marovel-<version>-win64.zip (the Qt it needs is built once, see
# scripts/build-windows-toolkit). `make test-windows` then proves it under Wine: the test suites,
# the command line against this build's, a preview over DDE, where the settings go.
windows: deps
	JOBS=$(JOBS) sh scripts/build-windows
test-windows: build
	JOBS=$(JOBS) sh scripts/test-windows

deps:
	sh scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
