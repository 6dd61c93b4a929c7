# The README's commands. Every target installs missing Debian packages first.
JOBS        ?= 2
BUILD       ?= build
ASAN_BUILD  ?= build-asan
FUZZ_BUILD  ?= build-fuzz
BENCH_BUILD ?= build-bench
FUZZ_SECONDS ?= 60
STAGE       ?= $(CURDIR)/stage
CMAKE_FLAGS ?=

.PHONY: deps configure build test test-main test-asan test-desktops run install demo bench fuzz fuzz-smoke package clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(STAGE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: deps
	$(MAKE) test-main
	$(MAKE) test-desktops
	$(MAKE) test-asan
	@if [ -f tests/fuzz/CMakeLists.txt ]; then $(MAKE) fuzz-smoke; fi

test-main: build
	cmake --install $(BUILD) >/dev/null
	cd $(BUILD) && ctest -j$(JOBS) --output-on-failure --timeout 600

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVELO_SANITIZE=ON -DCMAKE_INSTALL_PREFIX=$(CURDIR)/$(ASAN_BUILD)/stage $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cmake --install $(ASAN_BUILD) >/dev/null
	cd $(ASAN_BUILD) && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest -j$(JOBS) --output-on-failure --timeout 900 -LE e2e

install: build
	cmake --install $(BUILD)

# The installed build on real desktop shells run headless; prints a table of cells and
# fails on a cell that tests/desktops/matrix.sh does not list as known to fail.
DESKTOPS ?= xfce sway gnome kde
DESKTOP_JOBS ?= 2
test-desktops: install
	DESKTOP_JOBS=$(DESKTOP_JOBS) ./tests/desktops/matrix.sh $(STAGE) $(BUILD)/test-output/desktops $(DESKTOPS)

run: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(STAGE) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)
	cmake --install $(BUILD)
	$(STAGE)/bin/tavelo

demo: install
	./scripts/demo.sh $(STAGE) docs/screenshots

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTAVELO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	./scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

fuzz-smoke:
	$(MAKE) fuzz FUZZ_SECONDS=20

# A folder of its own: Release, without the tests, and no rebuild of $(BUILD) either way.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVELO_BUILD_BENCH=ON -DTAVELO_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=$(STAGE) $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	cmake --install $(BENCH_BUILD)
	./bench/run.sh $(BENCH_BUILD) $(STAGE)

package: deps
	cmake -S . -B $(BUILD)-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVELO_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(BUILD)-pkg -j$(JOBS)
	cd $(BUILD)-pkg && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD) $(BUILD)-pkg $(STAGE)
