# What a newcomer and a maintainer do. Each first installs what is missing.
.PHONY: run test build bench deps package soak fuzz

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

# The Debian package, built from the optimised program: build/release/waermebehandlung_*.deb.
package: deps
	cmake --preset release >/dev/null
	cmake --build --preset release --target waermebehandlung
	cd build/release && cpack >/dev/null && ls "$$PWD"/waermebehandlung_*.deb

# A million random learner events over every screen under the sanitizers (about 45 minutes).
soak: deps
	./scripts/soak.sh

# Fuzzes the conversion of typed numbers (libFuzzer with clang, else a seeded random loop).
fuzz: deps
	./scripts/fuzz.sh
