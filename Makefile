# The README's commands. Each one installs what is missing, configures and builds into build/.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build run test stress bench fuzz package clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/quorbix ]; then $(BUILD)/quorbix; else echo "built; the game window is not part of this build yet"; fi

# Headless: widget tests use the offscreen platform, anything that needs a real X server gets Xvfb.
test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen xvfb-run -a -s "-screen 0 1280x1024x24" \
		ctest --output-on-failure --timeout 300 -j $(JOBS)

# The long form of the saves under kill and load that the suite runs briefly.
KILLS     ?= 1000
PROCESSES ?= 4
ROUNDS    ?= 500
stress: build
	@$(BUILD)/profile_stress --kills $(KILLS) --processes $(PROCESSES) --rounds $(ROUNDS)

bench: build
	@for b in $(BUILD)/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done; true

# The Debian package, $(BUILD)/quorbix_<version>_amd64.deb.
package: build
	@cd $(BUILD) && cpack

# FUZZ_RUNS=n runs the fuzzer for n inputs instead of 30 s.
fuzz: configure
	@scripts/fuzz.sh $(BUILD) $(FUZZ_RUNS)

clean:
	@rm -rf $(BUILD)
