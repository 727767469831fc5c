# Two commands on a fresh Debian/Ubuntu machine:
#   make run   installs dependencies, builds and starts Tinkella
#   make test  installs dependencies, builds both configurations and runs every test
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?=

.PHONY: run test deps build build-asan test-main test-asan bench soak clean

run: build
	./$(BUILD)/tinkella

test: deps
	$(MAKE) build-asan
	$(MAKE) test-asan
	$(MAKE) build
	$(MAKE) test-main

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINKELLA_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# The sanitizer build leaves out the benchmarks; it runs every test.
build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINKELLA_WERROR=ON \
	      -DTINKELLA_SANITIZE=ON -DTINKELLA_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-main:
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan:
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
