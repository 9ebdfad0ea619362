# Front door: every target installs what is missing, builds, and does its job.
JOBS    ?= $(shell nproc)
BUILD   := build
NATIVE  := $(BUILD)/native
WIN32   := $(BUILD)/win32
ASAN    := $(BUILD)/asan
SECONDS ?= 60

.PHONY: all setup native win32 asan dist release run test fuzz bench soak screenshots clean

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

dist: native win32
	@sh tools/make_dist.sh $(NATIVE) $(WIN32) $(BUILD)/dist

# The distribution folder as build/zembrafind-<version>.zip, with the SHA-256
# list beside it; the version is CMake's project version.
release: dist
	@sh tools/make_release.sh $(BUILD)/dist $(WIN32)/generated/version.txt $(BUILD)

run: dist
	@python3 tools/run.py $(BUILD)

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
	@python3 tools/screenshots.py $(BUILD) docs

clean:
	rm -rf $(BUILD)
