# The two set-up commands: `make run` and `make test`.
.PHONY: run test build build-asan fuzz monkey coverage format clean install package

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

# Drives the program's windows with random, seeded actions against a
# pequenia-local of its own for MONKEY_SECONDS (MONKEY_SEED replays a run,
# MONKEY_SABOTAGE=lose|stall|crash breaks the program on purpose); not part
# of make test.
MONKEY_SECONDS ?= 300
monkey:
	tools/setup
	MONKEY_SECONDS=$(MONKEY_SECONDS) MONKEY_SEED="$(MONKEY_SEED)" \
	  MONKEY_SABOTAGE="$(MONKEY_SABOTAGE)" tools/monkey

# Installs the program, the command-line tools, pequenia-local, the web
# engine, the menu entry, the icon, the AppStream file, the manual pages and
# the bash completions under PREFIX, from a release build of
# its own; DESTDIR stages the tree elsewhere (packaging). The release build
# optimises as the tested one does (-O2): GCC 12 at -O3 warns falsely inside
# the standard strings, and warnings stop the build.
PREFIX ?= /usr/local
install: release
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix "$(PREFIX)"

# Makes the Debian package vornscript_VERSION_ARCH.deb in
# build/release/package/ from the same release build (CPack, its
# dependencies found by dpkg-shlibdeps), then lintian checks it (an error
# or a warning fails the target) and tools/check-package unpacks it into a
# throwaway root and starts what it holds. Not part of make test.
package: release
	rm -f build/release/package/*.deb
	cd build/release && cpack
	lintian --fail-on error,warning build/release/package/*.deb
	tools/check-package build/release/package/*.deb

# The release build that install and package share, built once. It is
# laid out for /usr, as the package installs it: on Debian the web engine
# then goes under the architecture's library folder, like Qt's own plugins,
# and the package needs no ldconfig for it. make install still installs
# under PREFIX. The programs read replies and requests from the network, so
# they are built with Debian's hardening: checked buffer functions, stack
# guards and read-only relocations bound at start.
RELEASE_FLAGS = -O2 -DNDEBUG -D_FORTIFY_SOURCE=2 -fstack-protector-strong \
  -fstack-clash-protection $(if $(filter x86_64,$(shell uname -m)),-fcf-protection)
RELEASE_LINK = -Wl,-z,relro,-z,now
.PHONY: release
release:
	tools/setup
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_C_FLAGS_RELEASE="$(RELEASE_FLAGS)" -DCMAKE_CXX_FLAGS_RELEASE="$(RELEASE_FLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(RELEASE_LINK)" -DCMAKE_MODULE_LINKER_FLAGS="$(RELEASE_LINK)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$(RELEASE_LINK)" -DVORN_BENCHMARKS=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build build/release -j $(JOBS) --target vorn_installed

# Line and branch coverage per module from a build of its own
# (build/coverage) and every test; a table and an HTML report. Not part of
# make test.
coverage:
	tools/setup
	JOBS=$(JOBS) tools/coverage

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
