# Set-up, build and test in one step each. Every target first installs the Debian
# packages that are missing, so a fresh Debian 12 machine needs nothing else.
.PHONY: all deps build run test package bench format clean

JOBS ?= $(shell nproc)

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

run: build
	./build/release/aerolap

test: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan

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
