# The four things a newcomer does. Each first installs what is missing.
.PHONY: run test build bench deps

deps:
	./scripts/install-deps.sh

build: deps
	cmake --preset release >/dev/null
	cmake --build --preset release

run: build
	./build/release/waermebehandlung

test: deps
	cmake --preset test >/dev/null
	cmake --build --preset test
	ctest --preset test

bench: build
	./build/release/bench/waermebehandlung-bench
