# Thin wrapper over CMake for the two everyday commands.
BUILD ?= build

.PHONY: run test configure build clean

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) --parallel

run:
	scripts/install-deps run
	$(MAKE) build
	scripts/run-rigscope $(BUILD)

test:
	scripts/install-deps test
	$(MAKE) build
	scripts/run-tests $(BUILD)
	scripts/sanitizer-tests

clean:
	rm -rf $(BUILD) build-sanitize
