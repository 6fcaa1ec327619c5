# Thin wrapper over CMake for the two everyday commands.
BUILD ?= build
# One compile job per core: Qt's headers make each job large.
JOBS ?= $(shell nproc)

.PHONY: run test bench configure build windows package clean

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) --parallel $(JOBS)

run:
	scripts/install-deps run
	$(MAKE) build
	scripts/run-rigscope $(BUILD)

# rigscope-report.exe for 64-bit Windows, cross-built with MinGW-w64, in
# $(BUILD)/windows/bin, with its tests for Wine.
windows:
	scripts/install-deps windows
	cmake -S windows -B $(BUILD)/windows
	cmake --build $(BUILD)/windows --parallel $(JOBS)

# The Debian package, $(BUILD)/rigscope_VERSION-1_ARCH.deb.
package:
	scripts/install-deps package
	$(MAKE) build
	cd $(BUILD) && cpack -G DEB

test:
	scripts/install-deps test
	$(MAKE) build
	$(MAKE) windows
	scripts/run-tests $(BUILD)
	scripts/sanitizer-tests

# Every benchmark in turn; their figures go to $(BUILD)/bench/*.json.
bench:
	scripts/install-deps bench
	$(MAKE) build
	bench/run-all $(BUILD)

clean:
	rm -rf $(BUILD) build-sanitize
