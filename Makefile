# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands: `make run` and `make test`. Both install what is missing first.
# `make run` installs and builds only what it takes to play: the program, its sounds
# and its pictures. `make test` installs and builds everything.
BUILD ?= build
JOBS ?= 2

.PHONY: deps-play deps-test configure-play configure-test build-play build run test bench package clean

deps-play:
	@bash tools/install-deps.sh play

deps-test:
	@bash tools/install-deps.sh test

configure-play: deps-play
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

configure-test: deps-test
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

# The program's target brings its sounds and its compiled-in pictures along.
build-play: configure-play
	@cmake --build $(BUILD) -j$(JOBS) --target kolvo

build: configure-test
	@cmake --build $(BUILD) -j$(JOBS)

# The game is started in its own directory, where the set-up tune lies.
run: build-play
	cd $(BUILD) && ./kolvo

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done

# kolvo_<version>_<arch>.deb in $(BUILD)/; see the README for installing it.
package: configure-test
	@cmake --build $(BUILD) -j$(JOBS) --target kolvo
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
