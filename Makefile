# The README's commands. Each one installs what is missing, configures and builds into build/.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build run test stress bench fuzz package translations clean configure-asan build-asan test-asan monkey

# The sanitizer build: AddressSanitizer and UndefinedBehaviorSanitizer, every report fatal, at
# -O1 so the whole suite stays quick. Leak detection is on; lsan.supp holds the toolkit's own
# one-time allocations and nothing of ours.
ASAN_BUILD ?= build-asan
# WERROR=1 makes every compiler warning an error (CI builds so); a player's build leaves it off.
WERROR     ?= 0
CONFIG     := -DQUORBIX_WERROR=$(if $(filter 1,$(WERROR)),ON,OFF)
SANITIZE   := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
LAUNCHER   := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
SAN_ENV    := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CONFIG) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/quorbix

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

# Every text of the code into translations/quorbix_<lang>.ts, and of the menu entry and the
# metainfo into data/po/quorbix.pot and data/po/<lang>.po, for the translators.
translations: configure
	@cmake --build $(BUILD) --target translations

# The Debian package, $(BUILD)/quorbix_<version>_amd64.deb.
package: build
	@cd $(BUILD) && cpack

# FUZZ_RUNS=n runs the fuzzer for n inputs instead of 30 s; FUZZ_JOBS=n shares them among
# n processes.
FUZZ_JOBS ?= 1
fuzz: configure
	@QUORBIX_WERROR=$(WERROR) scripts/fuzz.sh $(BUILD) "$(FUZZ_RUNS)" $(FUZZ_JOBS)

configure-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
		-DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_C_FLAGS="$(SANITIZE)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" -DQUORBIX_BENCH=OFF $(CONFIG) $(LAUNCHER) >/dev/null

build-asan: configure-asan
	@$(SAN_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)

# The same suite as `make test`, every test executable under the sanitizers.
test-asan: build-asan
	@cd $(ASAN_BUILD) && $(SAN_ENV) QT_QPA_PLATFORM=offscreen xvfb-run -a -s "-screen 0 1280x1024x24" \
		ctest --output-on-failure --timeout 300 -j $(JOBS)

# The long monkey against the sanitizer build: make monkey EVENTS=100000 SEED=7
EVENTS ?= 100000
SEED   ?= 1
monkey: build-asan
	@$(SAN_ENV) QT_QPA_PLATFORM=offscreen xvfb-run -a -s "-screen 0 1280x1024x24" \
		$(ASAN_BUILD)/quorbix-monkey --events $(EVENTS) --seed $(SEED)

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD)
