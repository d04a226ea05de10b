#!/usr/bin/python3
"""Start-up time: from exec of the program to its start-up window mapped on the X server.

  bench/startup.py <kolvo executable> [--runs N] [--atspi] [--no-audio]

Starts a private Xvfb, D-Bus session and PulseAudio null sink (tests/e2e/kolvo_session.py),
then N times: a fresh HOME, exec of the program from its own directory, and the time
until the X server reports the MapNotify of the window "    Kolvo Introduktion"
(watched on the root window, so no polling delay); the program is then ended. Prints
every run and the median, minimum and maximum in milliseconds. With --atspi the
accessibility bus runs and the program joins it, as on a desktop with a screen reader.
"""
import argparse
import os
import select
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

import Xlib.X  # noqa: E402
import Xlib.display  # noqa: E402

from kolvo_session import Session, Unavailable  # noqa: E402

INTRO_TITLE = "    Kolvo Introduktion"


def time_to_intro(session, watch, program, home, timeout=20.0):
    env = session.program_env(home)
    if not session.atspi:
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    while watch.pending_events():
        watch.next_event()
    start = time.monotonic()
    proc = session.spawn("kolvo", [program], env=env, cwd=os.path.dirname(program), log=False)
    try:
        end = start + timeout
        while time.monotonic() < end:
            if not watch.pending_events():
                select.select([watch.fileno()], [], [], 0.05)
                continue
            event = watch.next_event()
            if event.type == Xlib.X.MapNotify and session._name_of(event.window) == INTRO_TITLE:
                return (time.monotonic() - start) * 1000.0
        raise RuntimeError("the start-up window did not appear")
    finally:
        Session.stop(proc)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kolvo")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--atspi", action="store_true")
    parser.add_argument("--no-audio", action="store_true")
    args = parser.parse_args()
    program = os.path.abspath(args.kolvo)

    session = Session(atspi=args.atspi, audio=not args.no_audio)
    try:
        session.start()
    except Unavailable as e:
        session.close()
        print("cannot run:", e)
        return 1
    try:
        watch = Xlib.display.Display(session.display)
        watch.screen().root.change_attributes(event_mask=Xlib.X.SubstructureNotifyMask)
        watch.sync()
        times = []
        for i in range(args.runs):
            ms = time_to_intro(session, watch, program, session.new_home(f"home{i}"))
            times.append(ms)
            print(f"run {i + 1:2d}: {ms:7.1f} ms", flush=True)
        watch.close()
    finally:
        session.close()
    print(f"exec -> start-up window mapped, {len(times)} runs "
          f"({'with' if args.atspi else 'without'} AT-SPI, {'no audio' if args.no_audio else 'PulseAudio null sink'}): "
          f"median {statistics.median(times):.1f} ms, min {min(times):.1f} ms, max {max(times):.1f} ms")
    return 0


if __name__ == "__main__":
    sys.exit(main())
