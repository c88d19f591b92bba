# The two set-up commands: `make run` and `make test`.
.PHONY: run test build build-asan format clean

JOBS ?= $(shell nproc)

build:
	tools/setup
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

build-asan:
	tools/setup
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

run: build
	tools/run-local

test: build build-asan
	ctest --preset dev -j $(JOBS)
	ctest --preset asan -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
