#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the sound files through kolvo-sound-player while recording the monitor of
the null sink, and checks what arrives there:

- each of the six files is heard within MAX_DELAY of its command, and what is heard
  is not silence (sox stat RMS amplitude of at least MIN_RMS);
- a missing file and a text file named ".wav" are reported with their reasons and
  make no sound;
- a path with blanks and non-ASCII letters plays;
- the player shuts down within half a second with a tune still playing;
- on SDL's dummy output and with no server at all the player runs and ends cleanly.

usage: check_playback.py <kolvo-sound-player> <sounds dir> <work dir>
PULSE_SERVER must name a server with the null sink kolvo_null.
"""
import array
import bisect
import os
import re
import shutil
import subprocess
import sys
import threading
import time
import wave

RATE = 44100
CHANNELS = 2
AUDIBLE = 100   # a 16-bit sample above this is sound; a null sink's silence is 0
MIN_RMS = 0.01  # -40 dBFS
MAX_DELAY = 1.5  # seconds from a command to its first sound at the monitor
QUIET_TAIL = 0.1  # every window but the last ends in this much silence: no overlap

problems = []


def check(ok, message):
    if not ok:
        problems.append(message)
    return ok


class Recorder:
    """pacat on the monitor; notes when each read returned, to time the frames."""

    def __init__(self):
        self.proc = subprocess.Popen(
            ["pacat", "--record", "--raw", "--device=kolvo_null.monitor", "--format=s16le",
             f"--rate={RATE}", f"--channels={CHANNELS}", "--latency-msec=20"],
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE)
        self.data = bytearray()
        self.times = []   # monotonic time at which a read returned
        self.counts = []  # frames received by then
        self.lock = threading.Lock()
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        fd = self.proc.stdout.fileno()
        while True:
            chunk = os.read(fd, 8192)
            if not chunk:
                return
            now = time.monotonic()
            with self.lock:
                self.data += chunk
                self.times.append(now)
                self.counts.append(len(self.data) // (2 * CHANNELS))

    def wait_running(self, timeout):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            with self.lock:
                if self.counts and self.counts[-1] > RATE // 10:
                    return True
            time.sleep(0.02)
        return False

    def stop(self):
        self.proc.terminate()
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()
        self.thread.join(5)
        frames = array.array("h")
        frames.frombytes(bytes(self.data[: len(self.data) // 4 * 4]))
        self.left = frames[0::2]
        self.right = frames[1::2]

    def frame_at(self, t):
        """The first frame that arrived after time t."""
        i = bisect.bisect_right(self.times, t)
        return self.counts[i - 1] if i > 0 else 0

    def arrival(self, frame):
        """When the read holding the frame returned."""
        return self.times[bisect.bisect_right(self.counts, frame)]

    def loudest(self, first, last):
        return max((max(abs(a), abs(b)) for a, b in
                    zip(self.left[first:last], self.right[first:last])), default=0)

    def first_audible(self, first, last):
        for i in range(first, last):
            if abs(self.left[i]) > AUDIBLE or abs(self.right[i]) > AUDIBLE:
                return i
        return None

    def save(self, path, first, last):
        with wave.open(path, "wb") as out:
            out.setnchannels(CHANNELS)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(bytes(self.data[first * 4: last * 4]))


def sox_rms(path):
    stat = subprocess.run(["sox", path, "-n", "stat"], capture_output=True, text=True).stderr
    found = re.search(r"RMS\s+amplitude:\s+([0-9.eE+-]+)", stat)
    return float(found.group(1)) if found else 0.0


def run_player(player, steps, env, timeout=90):
    done = subprocess.run([player] + steps, env=env, capture_output=True, text=True,
                          timeout=timeout, stdin=subprocess.DEVNULL)
    log = {"devices": None, "commands": [], "failures": [], "done": None,
           "code": done.returncode, "stderr": done.stderr}
    for line in done.stdout.splitlines():
        word, _, rest = line.partition(" ")
        if word == "DEVICES":
            log["devices"] = int(rest)
        elif word == "CMD":
            when, _, command = rest.partition(" ")
            log["commands"].append((float(when), command))
        elif word == "FAIL":
            subject, _, reason = rest.partition("\t")
            log["failures"].append((subject, reason))
        elif word == "DONE":
            log["done"] = float(rest)
    return log


def main():
    player, sounds, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    base = dict(os.environ)

    # Files the game does not ship: a path with blanks, a missing file, a text ".wav".
    odd_dir = os.path.join(work, "Kolvo spel", "Åsa och Örjan")
    os.makedirs(odd_dir, exist_ok=True)
    blanks = os.path.join(odd_dir, "Tärning rull.wav")
    shutil.copy(os.path.join(sounds, "Roll.wav"), blanks)
    missing = os.path.join(work, "saknas.wav")
    text = os.path.join(work, "text.wav")
    with open(text, "w") as f:
        f.write("Det här är ingen ljudfil.\n")

    def sound(name):
        return os.path.join(sounds, name)

    # (seconds to listen, path, expected failure reason or None)
    plan = [
        (0.6, missing, "Filen finns inte."),
        (0.6, text, "Filen är ingen WAV-ljudfil som kan spelas upp."),
        (1.3, sound("Roll.wav"), None),
        (1.9, sound("glass.wav"), None),
        (2.6, sound("claps.wav"), None),
        (1.4, sound("clap.wav"), None),
        (1.3, blanks, None),
        (9.0, sound("Congratulations.mid"), None),  # the cymbal rings on after the last chord
        (3.0, sound("I3IK.MID"), None),  # still playing when the player ends
    ]
    steps = [f"{seconds}:Play {path}" for seconds, path, _ in plan]

    recorder = Recorder()
    if not recorder.wait_running(10):
        recorder.stop()
        print("the monitor of the null sink could not be recorded")
        return 1
    env = dict(base, SDL_AUDIODRIVER="pulseaudio")
    log = run_player(player, steps, env)
    time.sleep(0.3)
    recorder.stop()

    check(log["code"] == 0, f"the player ended with {log['code']}: {log['stderr'][-2000:]}")
    check(log["devices"] == 1, f"device count {log['devices']}, expected the one null sink")
    check(len(log["commands"]) == len(plan), f"{len(log['commands'])} of {len(plan)} commands issued")
    if not problems:
        ends = [when for when, _ in log["commands"][1:]] + [log["done"]]
        print(f"{'file':<28}{'first sound after':>18}{'RMS':>10}")
        for (seconds, path, reason), (start, _), end in zip(plan, log["commands"], ends):
            name = os.path.basename(path)
            first, last = recorder.frame_at(start), recorder.frame_at(end)
            failures = [r for s, r in log["failures"] if s == path]
            if reason:
                check(failures == [reason], f"{name}: reported {failures}, expected [{reason!r}]")
                check(recorder.loudest(first, last) <= AUDIBLE, f"{name}: made a sound")
                print(f"{name:<28}{'(refused: ' + reason + ')':>28}")
                continue
            check(not failures, f"{name}: reported {failures}")
            heard = recorder.first_audible(first, last)
            if not check(heard is not None, f"{name}: nothing arrived at the monitor"):
                continue
            delay = recorder.arrival(heard) - start
            segment = os.path.join(work, name + ".heard.wav")
            recorder.save(segment, heard, last)
            rms = sox_rms(segment)
            print(f"{name:<28}{delay * 1000:>15.0f} ms{rms:>10.4f}")
            check(delay <= MAX_DELAY, f"{name}: first sound {delay:.3f} s after the command")
            check(rms >= MIN_RMS, f"{name}: RMS amplitude {rms:.5f} is close to silence")
            if path != plan[-1][1]:
                tail = recorder.frame_at(end - QUIET_TAIL)
                check(recorder.loudest(tail, last) <= AUDIBLE,
                      f"{name}: still sounding when the next command came (the check is not valid)")
        if log["done"] is not None:
            shutdown = log["done"] - log["commands"][-1][0] - plan[-1][0]
            print(f"shut down with a tune playing in {shutdown * 1000:.0f} ms")
            check(shutdown < 0.5, f"shutting down took {shutdown:.2f} s")
        else:
            check(False, "the player did not shut down")

    # Without the server: the dummy output, and no output at all.
    roll = f"0.3:Play {sound('Roll.wav')}"
    dummy = run_player(player, [roll], dict(base, SDL_AUDIODRIVER="dummy"), timeout=30)
    check(dummy["code"] == 0 and dummy["done"] is not None, f"dummy output: ended with {dummy['code']}")
    check(dummy["devices"] == 1 and not dummy["failures"], f"dummy output: {dummy}")
    none = run_player(player, [], dict(base, SDL_AUDIODRIVER="pulseaudio",
                                       PULSE_SERVER="unix:/nonexistent/kolvo"), timeout=30)
    check(none["code"] == 0 and none["devices"] == 0, f"no server: {none}")

    for p in problems:
        print("FAIL:", p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
