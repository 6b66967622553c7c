# The two entry points: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test bench deps build configure clean

# ccache (when installed) shares its cache between checkouts of the tree.
export CCACHE_BASEDIR := $(CURDIR)

run: build
	$(BUILD_DIR)/marovel

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The benchmark program: every speed figure, with its input size and target.
bench: build
	$(BUILD_DIR)/bench/marovel_bench

deps:
	sh scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
