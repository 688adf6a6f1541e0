# The two commands of the README. Everything else is plain CMake and CTest.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# How long `make fuzz` runs each fuzz target, in seconds.
FUZZ_SECONDS ?= 600
JOBS       ?= $(shell nproc)
# CI sets WERROR=ON: every warning is an error there.
WERROR     ?= OFF

# Where `make install` and `make run` put the program: a user prefix, no root needed.
PREFIX     ?= $(HOME)/.local

.PHONY: run test test-asan bench setup configure build tidy format format-check program \
        install uninstall fuzz-build fuzz fuzz-smoke stress stress-smoke

setup:
	@./scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVOR_WERROR=$(WERROR)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program alone, without the tests and the benchmark.
program: configure
	@cmake --build $(BUILD) -j $(JOBS) --target kelvor-mini

install: program
	@cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	@cmake --build $(BUILD) --target uninstall

# Starts the installed copy, so that settings, draw documents and singles stay in the user's
# folders and survive a new build folder.
run: install
	@./scripts/run.sh $(PREFIX)/bin/kelvor-mini

test: build
	@cd $(BUILD) && ctest -j $(JOBS) --output-on-failure

test-asan: setup
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVOR_SANITIZE=ON -DKELVOR_WERROR=$(WERROR)
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ctest -j $(JOBS) --output-on-failure

# The libFuzzer targets of fuzz/: clang, ASan and UBSan, in a build folder of their own.
fuzz-build: setup
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 \
	    -DCMAKE_CXX_COMPILER=clang++ -DKELVOR_SANITIZE=ON -DKELVOR_FUZZ=ON -DKELVOR_WERROR=$(WERROR)
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz-targets

# Each fuzz target for FUZZ_SECONDS; findings land in $(FUZZ_BUILD)/fuzz/findings.
fuzz: fuzz-build
	@./fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Each fuzz target for a few seconds on its corpus, so that a regression shows (CI).
fuzz-smoke: fuzz-build
	@./fuzz/run.sh $(FUZZ_BUILD) 5

# The kill test (100 SIGKILLs during saves of each kind of file) and the bad-input measurements.
stress: configure
	@cmake --build $(BUILD) -j $(JOBS) --target kelvor-stress
	@./stress/run.sh $(BUILD) 100

stress-smoke: configure
	@cmake --build $(BUILD) -j $(JOBS) --target kelvor-stress
	@./stress/run.sh $(BUILD) 10

bench: build
	@./$(BUILD)/bench/kelvor-bench

# clang-tidy over every source of src/ with the repository's .clang-tidy; any finding fails.
tidy: configure
	@run-clang-tidy -p $(BUILD) -quiet -j $(JOBS) '$(CURDIR)/src/'

FORMAT_SOURCES = $(shell git ls-files '*.cpp' '*.h')

format-check:
	@clang-format --dry-run --Werror $(FORMAT_SOURCES)

format:
	@clang-format -i $(FORMAT_SOURCES)
