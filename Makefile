# Set-up, build and test in one step each. Every target first installs the Debian
# packages that are missing, so a fresh Debian 12 machine needs nothing else.
.PHONY: all deps build run test windows windows-checks package bench format clean

JOBS ?= $(shell nproc)
# The Windows program is built against a Windows SDK: $AEROLAP_WINDOWS_SDK (an unpacked prefix), else
# the tarball beside the project, unpacked once under build/.
WINDOWS_SDK_TARBALL := ../shared/windows-sdk/windows-sdk.tar.xz
WINDOWS_SDK := $(or $(AEROLAP_WINDOWS_SDK),$(wildcard $(WINDOWS_SDK_TARBALL)))

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

run: build
	./build/release/aerolap

# The Windows checks come before the Linux tests, so that CTest's summary of every Linux test closes
# the run.
test: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@$(MAKE) --no-print-directory windows-checks
	@ctest --preset asan

# build/windows/aerolap-<version>-win64.zip and aerolap-<version>-setup.exe
windows: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows --target windows_packages -j $(JOBS)

# The Windows unit tests and the zip's program under Wine, in a Wine prefix made for this run.
windows-checks:
ifeq ($(WINDOWS_SDK),)
	@echo "Windows checks skipped: no Windows SDK (set AEROLAP_WINDOWS_SDK, or put windows-sdk.tar.xz in ../shared/windows-sdk/)"
else
	@$(MAKE) --no-print-directory windows
	@cmake --build --preset windows -j $(JOBS)
	@ctest --preset windows
endif

package: deps
	@CMAKE_BUILD_PARALLEL_LEVEL=$(JOBS) cmake --workflow --preset package

bench: deps
	@cmake --preset release -DAEROLAP_BUILD_BENCHMARKS=ON >/dev/null
	@cmake --build --preset release --target benchmarks -j $(JOBS)
	@for b in build/release/bench/bench_*; do \
		[ -f "$$b" ] && [ -x "$$b" ] || continue; \
		echo "== $$b"; "$$b" || exit 1; \
	done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
