# The two set-up commands: `make run` and `make test`.
.PHONY: run test build build-asan fuzz format clean

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

# Fuzzes every harness of fuzz/ for FUZZ_SECONDS each (FUZZ_ONLY="a b" for
# some of them); not part of make test, which replays their saved inputs.
FUZZ_SECONDS ?= 60
fuzz:
	tools/setup
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_ONLY="$(FUZZ_ONLY)" tools/fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
