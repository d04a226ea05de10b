#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Kolvo in its own directory, wherever it is started from: the game plays its
# set-up tune from the working directory, and its other sounds from the program's.
program_dir=$(dirname "$(readlink -f "$0")")/../lib/games/kolvo
cd "$program_dir" || exit 1
exec ./kolvo "$@"
