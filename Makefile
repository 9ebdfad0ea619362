# Front door: every target installs what is missing, builds, and does its job.
JOBS    ?= $(shell nproc)
BUILD   := build
NATIVE  := $(BUILD)/native
WIN32   := $(BUILD)/win32
WIN64   := $(BUILD)/win64
ASAN    := $(BUILD)/asan
SECONDS ?= 60
# The tools that drive the programs under Wine import the end-to-end harness, the
# package tests/e2e/zfharness, through this.
HARNESS := PYTHONPATH=$(CURDIR)/tests/e2e

.PHONY: all setup native win32 win64 asan dist release run test fuzz bench soak screenshots clean

all: dist

setup:
	@sh tools/setup.sh

native: setup
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release -DZF_WIN32_DIR=$(abspath $(WIN32)) \
		-DZF_ASAN_DIR=$(abspath $(ASAN)) >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win32: setup
	@cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
	@cmake --build $(WIN32) -j $(JOBS)

# The unit tests once more, built with AddressSanitizer and UBSan; the native
# CTest run includes them.
asan: setup
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZF_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)

# A host whose kernel runs no 32-bit code (some virtual machines) cannot start the
# 32-bit programs even under Wine; there the end-to-end tests drive a 64-bit build
# of the same sources under 64-bit Wine, from build/dist64.
win64: setup
	@cmake -S . -B $(WIN64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
	@cmake --build $(WIN64) -j $(JOBS)

dist: native win32
	@sh tools/make_dist.sh $(NATIVE) $(WIN32) $(BUILD)/dist
	@if ! wine --version >/dev/null 2>&1; then \
		echo "dist: this host runs no 32-bit programs; the Wine tests use a 64-bit build"; \
		$(MAKE) --no-print-directory win64 && sh tools/make_dist.sh $(NATIVE) $(WIN64) $(BUILD)/dist64; fi

# The distribution folder as build/zembrafind-<version>.zip, with the SHA-256
# list beside it; the version is CMake's project version.
release: dist
	@sh tools/make_release.sh $(BUILD)/dist $(WIN32)/generated/version.txt $(BUILD)

run: dist
	@$(HARNESS) python3 tools/run.py $(BUILD)

test: dist asan
	@cd $(NATIVE) && ctest --output-on-failure -j 2

fuzz: setup
	@cmake -S . -B $(BUILD)/fuzz -DCMAKE_CXX_COMPILER=clang++ -DZF_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD)/fuzz -j $(JOBS)
	@sh tools/run_fuzz.sh $(BUILD)/fuzz $(SECONDS)

bench: dist
	@sh tools/bench.sh $(BUILD)

soak: dist
	@cd $(NATIVE) && ZF_SOAK_FULL=1 ctest --output-on-failure -R soak

# The README's pictures, taken under Wine on a private Xvfb.
screenshots: dist
	@$(HARNESS) python3 tools/screenshots.py $(BUILD) docs

clean:
	rm -rf $(BUILD)
