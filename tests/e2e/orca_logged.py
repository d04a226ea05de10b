#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca for a test session: orca_logged.py LOGFILE [orca options]

Orca as /usr/bin/orca starts it, with three differences: its debug log (where it writes
every utterance as "SPEECH OUTPUT: '...'") is flushed line by line, so that a test reads
an utterance as soon as it is made; it keeps the interpreter's process name instead of
"orca"; and it does not look for other Orcas of the user. The last two let it run beside
other sessions' Orcas and a desktop's own, neither refusing to start nor stopping them.
"""
import runpy
import sys

import orca.debug as debug

_println = debug.println


def println(level, text="", timestamp=False):
    _println(level, text, timestamp)
    if debug.debugFile:
        debug.debugFile.flush()


debug.println = println
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
main = launcher["main"]
main.__globals__["otherOrcas"] = lambda: []
main.__globals__["setProcessName"] = lambda name: False
sys.argv = ["orca", "--debug-file", sys.argv[1], *sys.argv[2:]]
sys.exit(main())
