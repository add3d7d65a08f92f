# make run    build and start the editor (make run FILE=x.si opens a file)
# make test   build everything and run every test, then the core tests under ASan + UBSan
# make bench  build and run the benchmarks on a full-capacity database
# make fuzz   build the libFuzzer targets with clang and run each for FUZZ_SECONDS
# make package  build the Debian package (build/package/vizud_*.deb), check it with lintian and from a scratch root
JOBS ?= 2
FUZZ_SECONDS ?= 60
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
CMAKE_FLAGS ?=
WERROR := $(if $(CI),ON,OFF)

.PHONY: all deps configure build run test test-main test-sanitize bench fuzz fuzz-brief package format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIZUD_WERROR=$(WERROR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/app/vizud ]; then $(BUILD)/app/vizud $(if $(FILE),"$(FILE)"); else $(BUILD)/cli/vizud-cli --help; fi

test: test-main test-sanitize fuzz-brief package

test-main: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVIZUD_CORE_ONLY=ON -DVIZUD_SANITIZE=ON \
	    -DVIZUD_BENCH=OFF -DVIZUD_WERROR=$(WERROR) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS) -L core

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b --benchmark_min_time=0.2 || exit 1; done

$(FUZZ_BUILD)/build.ninja: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DVIZUD_CORE_ONLY=ON -DVIZUD_FUZZ=ON -DVIZUD_SANITIZE=ON -DVIZUD_BENCH=OFF >/dev/null

fuzz: $(FUZZ_BUILD)/build.ninja
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	@scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The brief fuzz run that make test includes.
fuzz-brief:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=10

package: build
	@rm -rf $(BUILD)/package
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@lintian --fail-on error,warning $(BUILD)/package/vizud_*.deb 2>&1 | grep -v '^running with root privileges' || true
	@lintian --fail-on error,warning $(BUILD)/package/vizud_*.deb >/dev/null 2>&1 || \
	    { echo "make package: lintian reports errors or warnings (above)"; exit 1; }
	@scripts/check-package $(BUILD)/package/vizud_*.deb $(BUILD)/tools/make_channel_file

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
