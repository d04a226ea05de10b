#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca for a test session: orca_logged.py SPEECHFILE [orca options]

Orca as /usr/bin/orca starts it, with three differences: every utterance goes to
SPEECHFILE as it is made, one line "HH:MM:SS.mmm - SPEECH OUTPUT: '...'" (through the
speech log Orca keeps for its own regression tests, so that Orca runs at its normal speed:
its debug log slows it down enough to drop events as a flood); it keeps the interpreter's
process name instead of "orca"; and it does not look for other Orcas of the user. The last
two let it run beside other sessions' Orcas and a desktop's own, neither refusing to
start nor stopping them.
"""
import logging
import runpy
import sys

handler = logging.FileHandler(sys.argv[1], encoding="utf-8")
handler.setFormatter(logging.Formatter("%(asctime)s.%(msecs)03d - %(message)s", "%H:%M:%S"))
speech_log = logging.getLogger("speech")
speech_log.setLevel(logging.INFO)
speech_log.addHandler(handler)

launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
main = launcher["main"]
main.__globals__["otherOrcas"] = lambda: []
main.__globals__["setProcessName"] = lambda name: False
sys.argv = ["orca", *sys.argv[2:]]
sys.exit(main())
