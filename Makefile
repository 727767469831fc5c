# Two commands on a fresh Debian/Ubuntu machine:
#   make run   installs dependencies, builds and starts Tinkella
#   make test  installs dependencies, builds both configurations and runs every test
# and, optionally, `make install` (PREFIX, default /usr/local; DESTDIR for packagers).
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
MUTANTS_BUILD ?= build-mutants
# Seconds each fuzzer runs in `make fuzz` (and so in `make test`).
FUZZ_SECONDS ?= 25
# libFuzzer's seed in `make fuzz`: fixed so `make test` is repeatable; FUZZ_SEED=0 explores anew.
FUZZ_SEED ?= 1
# The long soak: steps, and a seed that differs each run unless given.
SOAK_STEPS ?= 1000000
SOAK_SEED ?= $(shell date +%s)
CMAKE_FLAGS ?=
# ccache, where installed, keeps rebuilds quick across the build folders and across checkouts of
# the tree (paths are taken relative to the tree).
ifneq ($(shell command -v ccache 2>/dev/null),)
export CCACHE_BASEDIR ?= $(CURDIR)
LAUNCHER = -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
endif
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: run test install deps deb test-package autopkgtest build build-asan test-main test-asan bench bench-latency soak fuzz mutants clean

run: build
	./$(BUILD)/tinkella

test: deps
	./scripts/check-layers
	$(MAKE) build-asan
	$(MAKE) test-asan
	$(MAKE) build
	$(MAKE) test-main
	$(MAKE) fuzz
	$(MAKE) test-package

# The program, its desktop entry, its icon in the hicolor theme and its AppStream metadata,
# from the build that `make run` made (made here only when there is none, so that a
# `sudo make install` leaves the user's build directory alone).
install:
	@[ -x $(BUILD)/tinkella ] || $(MAKE) build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINKELLA_WERROR=ON $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# The sanitizer build leaves out the benchmarks; it runs every test.
build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINKELLA_WERROR=ON \
	      -DTINKELLA_SANITIZE=ON -DTINKELLA_BUILD_BENCH=OFF $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Unit and integration tests run in parallel; the end-to-end tests run one at a time, since
# each drives real processes on a private JACK server whose dummy clock a loaded machine can
# starve. An end-to-end test is run again (at most twice more) only when it fails.
CTEST_E2E = ctest --output-on-failure -L e2e --repeat until-pass:3

test-main:
	./scripts/reset-stale-jack
	cd $(BUILD) && ctest --output-on-failure -LE e2e -j $(JOBS)
	cd $(BUILD) && $(CTEST_E2E)

test-asan:
	./scripts/reset-stale-jack
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -LE e2e -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  $(CTEST_E2E)

# libFuzzer with AddressSanitizer and UBSan over the settings reader, for FUZZ_SECONDS, in a clang
# build of its own.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DTINKELLA_FUZZ=ON -DTINKELLA_SANITIZE=ON -DTINKELLA_BUILD_BENCH=OFF \
	      -DTINKELLA_WERROR=OFF -DTINKELLA_FUZZ_SECONDS=$(FUZZ_SECONDS) -DTINKELLA_FUZZ_SEED=$(FUZZ_SEED) $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_settings
	cd $(FUZZ_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -R '^fuzz_' -j $(JOBS)

# The randomised whole-application soak at length; a failure prints the seed that replays it.
soak: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen TINKELLA_SOAK_SEED=$(SOAK_SEED) \
	  TINKELLA_SOAK_STEPS=$(SOAK_STEPS) ./tests/soak_tests --gtest_filter='SoakTest.Random*'

# The mutation check, by hand and not part of `make test`: each fault of tests/mutants.txt is put
# into a scratch copy of the tree in $(MUTANTS_BUILD), rebuilt there and run against the unit-test
# programs; it fails when they catch less than 90 % of the list or a mutant no longer applies.
mutants: deps
	./scripts/mutants --dir $(MUTANTS_BUILD)

# Key to MIDI and key to sound through the whole program on a private JACK dummy server.
bench-latency: build
	./$(BUILD)/bench/bench_latency 300

# The Debian package of the tree (debian/), built in obj-<triplet> and moved into dist/; the
# tree is left as it was (dh_clean removes what the build wrote under debian/).
# dpkg-buildpackage writes its results beside the tree, whence they are moved.
DEB_VERSION = $(shell dpkg-parsechangelog -SVersion)
deb: deps
	rm -rf dist && mkdir -p dist
	dpkg-buildpackage -us -uc -b
	mv ../tinkella_$(DEB_VERSION)_* ../tinkella-dbgsym_$(DEB_VERSION)_* dist/
	debian/rules clean

# The package, where its tools are installed: built, lintian-clean, installed into and removed
# from a scratch root with its files validated (tests/install), and its autopkgtest run.
# autopkgtest's null runner installs the package on the machine it runs on, so it runs that way
# only on a disposable machine (CI set, or `make autopkgtest`); elsewhere the same test plays the
# package's program unpacked into a scratch folder.
PACKAGE_TOOLS = dpkg-buildpackage dh lintian autopkgtest
test-package:
	@for tool in $(PACKAGE_TOOLS); do command -v $$tool >/dev/null || \
	  { echo "test-package: skipped ($$tool is missing; scripts/install-deps installs it)"; exit 0; }; done; \
	$(MAKE) deb && \
	lintian --fail-on error,warning dist/tinkella_$(DEB_VERSION)_*.changes && \
	tests/install/validate_install.sh --deb dist/tinkella_$(DEB_VERSION)_*.deb && \
	if [ -n "$${CI:-}" ]; then $(MAKE) autopkgtest; else \
	  unpacked=$$(mktemp -d) && dpkg -x dist/tinkella_$(DEB_VERSION)_*.deb $$unpacked && \
	  TINKELLA=$$unpacked/usr/bin/tinkella debian/tests/play-middle-c; status=$$?; \
	  rm -rf $$unpacked; exit $$status; fi

# The package's autopkgtest as Debian runs it; installs the package on this machine, and removes
# it again unless it was installed before. The tree is copied without what .gitignore names (the
# build folders).
autopkgtest:
	had=$$(dpkg-query -W -f='$${Status}' tinkella 2>/dev/null | grep -c 'ok installed'); \
	tree=$$(mktemp -d) && tar -c --exclude-vcs --exclude-vcs-ignores . | tar -x -C $$tree && \
	  autopkgtest dist/tinkella_$(DEB_VERSION)_*.deb $$tree -- null; status=$$?; \
	  rm -rf $$tree; \
	  if [ "$$had" = 0 ]; then \
	    if [ "$$(id -u)" = 0 ]; then dpkg -r tinkella; else sudo -n dpkg -r tinkella; fi >/dev/null || \
	      echo "autopkgtest: the package tinkella stays installed (dpkg -r tinkella removes it)"; fi; \
	  exit $$status

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(MUTANTS_BUILD) dist
