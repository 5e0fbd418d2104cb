# `make run` and `make test` do all the set-up on a fresh Debian machine.
BUILD    ?= build
TYPE     ?= RelWithDebInfo
SANITIZE ?= OFF
JOBS     ?= $(shell nproc)
# The fuzz build (clang) and how long each fuzz target runs, in seconds.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 25

.PHONY: all setup configure build test run bench fuzz clean

all: build

setup:
	@bash scripts/bootstrap

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(TYPE) -DVORNA_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure --timeout 300 -j $(JOBS)

run: build
	@if [ -x $(BUILD)/Tessiva/tessiva ]; then $(BUILD)/Tessiva/tessiva; \
	else echo "Tessiva is not there yet: everything else is built in $(BUILD)/."; fi

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done; true

fuzz:
	@BUILD=$(FUZZ_BUILD) JOBS=$(JOBS) bash scripts/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD)
