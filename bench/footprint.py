#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up, memory and sound latency of the game against the floor of its stack.

  bench/footprint.py <kolvo> <kolvo-floor> [--player kolvo-sound-player]
                     [--runs N] [--game-runs M] [--rolls R]

One private Xvfb and PulseAudio null sink (tests/e2e/kolvo_session.py) serve every run.
The floor is a bare Qt 6 window with one label (bench/floor/floor.cpp). Both programs
are started alternately from their own directory with a fresh HOME, without the
accessibility bus, and timed from exec to the MapNotify of their first window (watched
on the root window, so no polling delay). Reported as medians, and as ratios to the
floor's medians:

- start-up to the first window (the game's is the intro window);
- resident memory (VmRSS) 300 ms after that window is mapped;
- the game only, M runs: VmRSS at the main window once the set-up tune has ended (the
  tune's length is read from I3IK.MID), and the peak (VmHWM) over a whole one-player
  game played with real clicks and keys, with a new record and its tune at the end;
- with --player: the roll sound's latency, R times, from the media command (the
  player's log) to its first sample at the null sink, on the sink's own clock (the
  monitor's frames laid on the lower envelope of their arrival times). A roll whose
  recording differs from Roll.wav (by more than rounding) counts as an underrun.

The game is driven without AT-SPI: places of the controls come from the window
designs, dialogs are found by their titles on the X server and answered with Return.
"""
import argparse
import array
import os
import re
import select
import statistics
import struct
import subprocess
import sys
import time
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "audio"))

import Xlib.X  # noqa: E402
import Xlib.display  # noqa: E402

from kolvo_session import Failure, Session, Unavailable, wait_for  # noqa: E402

INTRO_TITLE = "    Kolvo Introduktion"
FLOOR_TITLE = "Kolvo floor"
ARENA_TITLE = "Kolvo 2003"
DIALOG_TITLES = ("Kolvo", "Segrare", "Högsta poäng")
ARENA_CLIENT_HEIGHT = 322
ROW_ORDER = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14]  # categories top to bottom


def midi_seconds(path):
    """Length of a Standard MIDI File: the last event of any track, through the tempo map."""
    with open(path, "rb") as f:
        data = f.read()
    _fmt, ntracks, division = struct.unpack(">HHH", data[8:14])
    pos, tempos, last_tick = 14, [(0, 500000)], 0
    for _ in range(ntracks):
        length = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        p, end, tick, status = pos + 8, pos + 8 + length, 0, 0
        while p < end:
            delta = 0
            while True:
                b = data[p]
                p += 1
                delta = (delta << 7) | (b & 0x7F)
                if b < 0x80:
                    break
            tick += delta
            if data[p] & 0x80:
                status = data[p]
                p += 1
            if status == 0xFF:
                kind, n = data[p], data[p + 1]
                if kind == 0x51:
                    tempos.append((tick, int.from_bytes(data[p + 2:p + 5], "big")))
                p += 2 + n
            elif status in (0xF0, 0xF7):
                n = data[p]
                p += 1 + n
            else:
                p += 1 if (status & 0xF0) in (0xC0, 0xD0) else 2
        last_tick = max(last_tick, tick)
        pos = end
    tempos.sort()
    seconds, at, tempo = 0.0, 0, 500000
    for t, us in tempos:
        if t > last_tick:
            break
        seconds += (t - at) * tempo / 1e6 / division
        at, tempo = t, us
    return seconds + (last_tick - at) * tempo / 1e6 / division


def memory_kb(pid, key):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return 0


class Bench:
    def __init__(self, session):
        self.s = session
        self.watch = Xlib.display.Display(session.display)
        self.watch.screen().root.change_attributes(event_mask=Xlib.X.SubstructureNotifyMask)
        self.watch.sync()

    def start(self, program, title, home):
        """Starts program and waits for the MapNotify of its window; (process, ms)."""
        env = self.s.program_env(home)
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        while self.watch.pending_events():
            self.watch.next_event()
        start = time.monotonic()
        proc = self.s.spawn(os.path.basename(program), [program], env=env,
                            cwd=os.path.dirname(program), log=False)
        end = start + 20
        while time.monotonic() < end:
            if not self.watch.pending_events():
                select.select([self.watch.fileno()], [], [], 0.05)
                continue
            event = self.watch.next_event()
            if event.type == Xlib.X.MapNotify and self.s._name_of(event.window) == title:
                return proc, (time.monotonic() - start) * 1000.0
        Session.stop(proc)
        raise Failure(f"{title!r} did not appear")

    def first_window(self, program, title, home):
        proc, ms = self.start(program, title, home)
        try:
            time.sleep(0.3)
            return ms, memory_kb(proc.pid, "VmRSS") / 1024.0
        finally:
            Session.stop(proc)

    # ----- one whole game, driven from the outside -----

    def click_client(self, win, x, y, below=0):
        wx, wy, _w, _h = self.s.xwininfo(win)
        self.s.click(wx + x, wy + below + y)

    def answer_dialogs(self, quiet=0.5, timeout=10):
        """Answers every dialog with Return until none has shown for `quiet` seconds."""
        end = time.monotonic() + timeout
        last = time.monotonic()
        while time.monotonic() < end and time.monotonic() - last < quiet:
            boxes = [w for w, t in self.s.top_windows() if t in DIALOG_TITLES]
            if not boxes:
                time.sleep(0.05)
                continue
            self.s.focus(boxes[0])
            self.s.key("Return")
            self.s.wait_gone(boxes[0], 5)
            last = time.monotonic()

    def whole_game(self, program, home, tune_seconds):
        """(VmRSS at the main window after the set-up tune, VmHWM at the end), in MB."""
        proc, _ms = self.start(program, INTRO_TITLE, home)
        try:
            intro = self.s.wait_window(INTRO_TITLE)
            self.click_client(intro, 8 + 36, 160 + 16)  # Order
            rul = self.s.wait_window(re.compile(r"    Tärningsval.*"))
            tune_started = time.monotonic()
            self.click_client(rul, 168 + 8, 72 + 8)  # dice style 6

            def arena_up():
                self.click_client(rul, 56 + 37, 296 + 11)  # Forward, once it shows
                return self.s.find_window(ARENA_TITLE) or (time.sleep(0.3) or None)
            arena = wait_for(arena_up, 10, "the main window")
            # The player ends a little after the file's last event; four seconds cover it.
            time.sleep(max(0.0, tune_started + tune_seconds + 4.0 - time.monotonic()))
            after_tune = memory_kb(proc.pid, "VmRSS") / 1024.0

            _x, _y, _w, h = self.s.xwininfo(arena)
            menu = h - ARENA_CLIENT_HEIGHT
            self.s.focus(arena)
            self.s.key("alt+n")
            time.sleep(0.3)
            self.s.key("e")
            prompt = self.s.wait_window("Kolvo")
            self.s.focus(prompt)
            self.s.type_text("Bänk")
            self.s.key("Return")
            self.s.wait_gone(prompt)
            for category in range(1, 16):
                self.click_client(arena, 344 + 40, 280 + 16, menu)  # Roller
                time.sleep(0.6)  # four ticks of the animation
                row = ROW_ORDER.index(category)
                self.click_client(arena, 12 + 6, 8 + 16 * row + 7, menu)
                self.answer_dialogs()
                if proc.poll() is not None:
                    raise Failure(f"the game ended with {proc.returncode}")
            return after_tune, memory_kb(proc.pid, "VmHWM") / 1024.0
        finally:
            Session.stop(proc)


# ----- the roll at the sink -----

def roll_latencies(session, player, sounds, rolls):
    """(latencies in ms, rolls that did not arrive sample for sample)."""
    from check_playback import AUDIBLE, RATE, Recorder, run_player

    roll = os.path.join(sounds, "Roll.wav")
    with wave.open(roll) as w:
        original = array.array("h", w.readframes(w.getnframes()))
        channels = w.getnchannels()
    original = original[0::channels]
    onset = next(i for i, v in enumerate(original) if abs(v) > AUDIBLE)

    os.environ["PULSE_SERVER"] = session.env["PULSE_SERVER"]  # for the recorder
    recorder = Recorder()
    if not recorder.wait_running(10):
        recorder.stop()
        raise Unavailable("the monitor of the null sink could not be recorded")
    steps = ["1.0:Play " + roll] + ["0.9:Play " + roll] * rolls  # the first opens the output
    log = run_player(player, steps, dict(session.env, SDL_AUDIODRIVER="pulseaudio"))
    time.sleep(0.3)
    recorder.stop()
    if log["code"] != 0 or len(log["commands"]) != len(steps):
        raise Failure(f"the player ended with {log['code']}: {log['stderr'][-1000:]}")
    # The sink's clock: frame f left the sink at t0 + f / RATE, with t0 the lower envelope.
    t0 = min(t - n / RATE for t, n in zip(recorder.times, recorder.counts))
    latencies, broken = [], 0
    for (start, _), (end, _) in zip(log["commands"][1:], log["commands"][2:] + [(log["done"], "")]):
        first = max(0, int((start - t0) * RATE))
        last = int((end - t0) * RATE)
        heard = recorder.first_audible(first, last)
        if heard is None:
            broken += 1
            continue
        latencies.append((t0 + heard / RATE - start) * 1000.0)
        begin = heard - onset
        got = recorder.left[begin:begin + len(original)]
        # The server's mixing may round a loud sample by one; a gap or a repeat is far more.
        if begin < 0 or len(got) < len(original) or any(abs(x - y) > 2 for x, y in zip(got, original)):
            broken += 1
            if os.environ.get("FOOTPRINT_DEBUG"):
                bad = [i for i, (x, y) in enumerate(zip(got, original)) if abs(x - y) > 2]
                print(f"roll {len(latencies)}: {len(bad)} samples differ, first at {bad[:3]}, "
                      f"length {len(got)}/{len(original)}, latency {latencies[-1]:.1f} ms")
    return latencies, broken


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(p / 100 * (len(ordered) - 1))))]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kolvo")
    parser.add_argument("floor")
    parser.add_argument("--player", help="kolvo-sound-player, for the roll's latency")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--game-runs", type=int, default=3)
    parser.add_argument("--rolls", type=int, default=40)
    args = parser.parse_args()
    kolvo, floor = os.path.abspath(args.kolvo), os.path.abspath(args.floor)
    sounds = os.path.dirname(kolvo)
    tune = midi_seconds(os.path.join(sounds, "I3IK.MID"))

    session = Session(atspi=False, audio=True)
    try:
        session.start()
    except Unavailable as e:
        session.close()
        print("cannot run:", e)
        return 1
    try:
        bench = Bench(session)
        floor_runs, game_runs = [], []
        for i in range(args.runs):
            floor_runs.append(bench.first_window(floor, FLOOR_TITLE, session.new_home(f"f{i}")))
            game_runs.append(bench.first_window(kolvo, INTRO_TITLE, session.new_home(f"g{i}")))
            print(f"run {i + 1:2d}: floor {floor_runs[-1][0]:6.1f} ms {floor_runs[-1][1]:5.1f} MB, "
                  f"game {game_runs[-1][0]:6.1f} ms {game_runs[-1][1]:5.1f} MB", flush=True)
        games = []
        for i in range(args.game_runs):
            games.append(bench.whole_game(kolvo, session.new_home(f"game{i}"), tune))
            print(f"game {i + 1}: main window after the tune {games[-1][0]:.1f} MB, "
                  f"peak {games[-1][1]:.1f} MB", flush=True)
        rolls = roll_latencies(session, os.path.abspath(args.player), sounds, args.rolls) \
            if args.player else None
    finally:
        session.close()

    med = lambda xs: statistics.median(xs)
    floor_ms, floor_mb = med([r[0] for r in floor_runs]), med([r[1] for r in floor_runs])
    game_ms, game_mb = med([r[0] for r in game_runs]), med([r[1] for r in game_runs])
    print(f"\nmedians of {args.runs} alternating runs; the floor: {floor_ms:.1f} ms, {floor_mb:.1f} MB")
    print(f"{'':38}{'game':>10}{'ratio':>8}{'goal':>8}")
    print(f"{'start-up to the intro window':38}{game_ms:>7.1f} ms{game_ms / floor_ms:>7.2f}x{'1.6x':>8}")
    print(f"{'RSS at the intro window':38}{game_mb:>7.1f} MB{game_mb / floor_mb:>7.2f}x")
    if games:
        after, peak = med([g[0] for g in games]), med([g[1] for g in games])
        print(f"{'RSS at the main window after the tune':38}{after:>7.1f} MB{after / floor_mb:>7.2f}x{'1.4x':>8}")
        print(f"{'peak RSS over a whole game':38}{peak:>7.1f} MB{peak / floor_mb:>7.2f}x{'1.8x':>8}")
    if rolls:
        latencies, broken = rolls
        if latencies:
            print(f"roll sound at the null sink, {len(latencies)} rolls: p50 {percentile(latencies, 50):.1f} ms, "
                  f"p90 {percentile(latencies, 90):.1f} ms, max {max(latencies):.1f} ms (goal p90 <= 25 ms); "
                  f"rolls not arrived sample for sample (underruns): {broken}")
        else:
            print("roll sound: nothing arrived at the sink")
    return 0


if __name__ == "__main__":
    sys.exit(main())
