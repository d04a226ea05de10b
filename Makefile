# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands: `make run` and `make test`. Both install what is missing first.
# `make run` installs and builds only what it takes to play: the program, with its
# pictures compiled in and its sounds beside it. `make test` installs and builds
# everything. The build trees are the presets' (CMakePresets.json): build/ for the
# program and the checks of what is shipped (preset dev; preset test, in the same tree,
# adds the benchmarks and the asset generators), build-asan/ for the Qt Test suites and
# one whole game under AddressSanitizer and UndefinedBehaviorSanitizer. `make test`
# after `make run` builds only what is missing. `make bench` runs the benchmarks and
# `make assets` makes the committed pictures and sounds anew; `make translations` brings
# the translations up to date with the texts in the code.
BUILD = build

.PHONY: build-play build run test bench assets translations package clean

build-play:
	@bash tools/install-deps.sh play
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev --target kolvo

build:
	@bash tools/install-deps.sh test
	@cmake --preset test >/dev/null
	@cmake --build --preset test

# The game is started in its own directory, where the set-up tune lies.
run: build-play
	cd $(BUILD) && ./kolvo

# Each test is built and run once, in the tree it needs; any sanitizer report fails.
test: build
	ctest --preset test
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	ctest --preset asan

BENCHMARKS = game_bench game_memory_bench sound_bench solver_bench strength_bench windows_bench

# The benchmarks stay in the tree once built.
bench:
	@bash tools/install-deps.sh test
	@cmake --preset dev -DKOLVO_BUILD_BENCH=ON >/dev/null
	@cmake --build --preset dev --target kolvo kolvo-sound-player kolvo-floor $(BENCHMARKS)
	@for b in $(BENCHMARKS); do \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/bench/$$b || exit 1; done
	/usr/bin/python3 bench/footprint.py $(BUILD)/kolvo $(BUILD)/bench/kolvo-floor \
	  --player $(BUILD)/tests/kolvo-sound-player

# The pictures (assets/images, assets/icons) and sounds (assets/sounds) written anew by
# their generators; `git diff` shows what changed.
assets:
	@bash tools/install-deps.sh play
	@cmake --preset dev -DKOLVO_BUILD_TOOLS=ON >/dev/null
	@cmake --build --preset dev --target kolvo-artgen kolvo-soundgen
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/artgen/kolvo-artgen assets/images
	$(BUILD)/tools/soundgen/kolvo-soundgen assets/sounds

# translations/kolvo_<code>.ts brought up to date with the texts in the code (lupdate): new
# texts come in unfinished for the translator, gone ones are marked vanished; `git diff`
# shows what changed. The game builds its catalogues from these files by itself.
translations:
	@bash tools/install-deps.sh play
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev --target translations

# $(BUILD)/kolvo_<version>_<arch>.deb; the README tells how to install it.
package:
	@bash tools/install-deps.sh package
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev --target kolvo
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) build-asan build-release
