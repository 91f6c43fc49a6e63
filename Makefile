# Trailwick's two commands: `make run` builds and starts the program, `make test` builds everything and
# runs every test. Both first install what is missing (scripts/setup-deps, idempotent).
NATIVE := build/native
WIN32  := build/win32
JOBS   ?= 2
MAKEFLAGS += --no-print-directory

.PHONY: all deps build native win32 test run bench clean

all: build

deps:
	@./scripts/setup-deps

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ > /dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win32: deps
	@cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake > /dev/null
	@cmake --build $(WIN32) -j $(JOBS)

build: native win32

test: build
	cd $(NATIVE) && ctest --output-on-failure
	cd $(WIN32) && ctest --output-on-failure

run: build
	./scripts/run-trailwick

bench: build
	$(NATIVE)/convert_bench
	./scripts/measure-startup

clean:
	rm -rf build
