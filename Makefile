# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands: `make run` and `make test`. Both install what is missing first.
# `make run` installs and builds only what it takes to play: the program, with its
# pictures compiled in and its sounds beside it. `make test` installs and builds
# everything. All share one build directory, so `make test` after `make run` builds
# only what is still missing.
BUILD ?= build
JOBS ?= 2
CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

.PHONY: build-play build run test bench package clean

build-play:
	@bash tools/install-deps.sh play
	@$(CONFIGURE)
	@cmake --build $(BUILD) -j$(JOBS) --target kolvo

build:
	@bash tools/install-deps.sh test
	@$(CONFIGURE)
	@cmake --build $(BUILD) -j$(JOBS)

# The game is started in its own directory, where the set-up tune lies.
run: build-play
	cd $(BUILD) && ./kolvo

# Then the Qt Test suites and one whole game once more on the sanitizer build, where
# any AddressSanitizer or UndefinedBehaviorSanitizer report fails the run.
test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	ctest --preset asan

bench: build
	@for b in game_bench game_memory_bench sound_bench solver_bench windows_bench; do \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/bench/$$b || exit 1; done
	/usr/bin/python3 bench/footprint.py $(BUILD)/kolvo $(BUILD)/bench/kolvo-floor \
	  --player $(BUILD)/tests/kolvo-sound-player

# $(BUILD)/kolvo_<version>_<arch>.deb; the README tells how to install it.
package:
	@bash tools/install-deps.sh package
	@$(CONFIGURE)
	@cmake --build $(BUILD) -j$(JOBS) --target kolvo
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
