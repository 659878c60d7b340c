# Fonexa: two commands on a fresh Debian machine.
#   make run    install what is missing, build, start Fonexa under Wine
#   make test   install what is missing, build both trees, run every test

BUILD   ?= build
NATIVE  := $(BUILD)/native
WINDOWS := $(BUILD)/windows
BENCH   := $(BUILD)/bench
FUZZ    := $(BUILD)/fuzz
FUZZ_RUNS  ?= 10000000
FUZZ_FILES ?= 20000
DIST    ?= dist

CMAKE_GEN := -G Ninja

# A checkout moved or copied elsewhere keeps CMake caches that name its old
# folder, and CMake refuses them: such a tree is configured afresh.
fresh = @if [ -f $(1)/CMakeCache.txt ] && \
	    ! grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$(CURDIR)" $(1)/CMakeCache.txt; then \
	    echo "$(1) was configured in another folder: configuring it afresh"; \
	    rm -rf $(1)/CMakeCache.txt $(1)/CMakeFiles; fi

.PHONY: all deps native windows test test-native test-windows run dist bench bench-startup bench-charts bench-summary screenshots fuzz clean

all: native windows

deps:
	@tools/install-deps.sh

native: deps
	$(call fresh,$(NATIVE))
	cmake -S . -B $(NATIVE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DFONEXA_SANITIZE=ON
	cmake --build $(NATIVE)

windows: deps
	$(call fresh,$(WINDOWS))
	cmake -S . -B $(WINDOWS) $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS)

test-native: native
	ctest --test-dir $(NATIVE) --output-on-failure

test-windows: windows
	ctest --test-dir $(WINDOWS) --output-on-failure

# Native first (fast, with sanitizers), then the Windows tree under Wine.
test: test-native test-windows

run: windows
	tools/run.sh $(WINDOWS)

dist: windows
	tools/dist.sh $(WINDOWS) $(DIST)

bench: deps
	$(call fresh,$(BENCH))
	cmake -S . -B $(BENCH) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DFONEXA_BENCHMARKS=ON
	cmake --build $(BENCH)
	for b in $(BENCH)/tests/bench/*_bench; do $$b; done

bench-startup: windows
	tools/bench-startup.sh $(WINDOWS)

# Median repaint time of each chart painter, under Wine
bench-charts: windows
	tools/bench-charts.sh $(WINDOWS)

# The folder summary over 10,000 files, under Wine
bench-summary: windows
	tools/bench-summary.sh $(WINDOWS)

screenshots: windows
	tools/screenshots.sh $(WINDOWS)

# Long fuzz runs: libFuzzer over the text functions (native, clang, with the
# sanitizers), then hostile data files of every type through the real
# loaders under Wine.
fuzz: deps windows
	$(call fresh,$(FUZZ))
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DFONEXA_SANITIZE=ON -DFONEXA_LIBFUZZER=ON
	cmake --build $(FUZZ) --target text_fuzz
	$(FUZZ)/tests/fuzz/text_fuzz -runs=$(FUZZ_RUNS) -seed=1 -max_len=256
	tools/fuzz-files.sh $(WINDOWS) $(FUZZ_FILES)

clean:
	rm -rf $(BUILD) $(DIST)
