# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a person meets it: windows found on the X server, controls found and
read over AT-SPI, and every action a real mouse click or key press (xdotool).

KolvoRun drives one start of the program; check() collects what went wrong, so one
run reports every fault it meets rather than only the first.
"""
import os
import re
import time
import traceback

import kolvo_a11y as ax
from kolvo_session import Failure, wait_for

INTRO_TITLE = "    Kolvo Introduktion"
RUL_TITLE = re.compile(r"    Tärningsval.*")
ARENA_TITLE = "Kolvo 2003"
ARENA_CLIENT = (432, 322)
TABLE_TITLE = "Protokoll"
# The longest the program may live on after its last window has closed.
LAST_CLOSE_SECONDS = 0.5
# Asked before a running game is thrown away.
DISCARD_FOR_NEW_GAME = "Ett spel pågår. Vill Du avbryta det och börja ett nytt ?"
DISCARD_FOR_EXIT = "Ett spel pågår. Vill Du avsluta Kolvo ändå ?"

CATEGORIES = {1: "Ettor", 2: "Tvåor", 3: "Treor", 4: "Fyror", 5: "Femmor", 6: "Sexor", 7: "Par",
              8: "Två par", 9: "Triss", 10: "Fyrtal", 11: "Lillan", 12: "Storan", 13: "Kåk",
              14: "Kolvo", 15: "Chans"}
HINT_LABELS = {1: "Ettor", 2: "Tvåor", 3: "Treor", 4: "Fyror", 5: "Femmor", 6: "Sexor", 7: "Par",
               8: "Två Par", 9: "Triss", 10: "Fyrtal", 11: "Lillan", 12: "Storan", 13: "Kåk",
               14: "Kolvo", 15: "Chans"}
# Rows of the category boxes, top to bottom: Chans stands above Kolvo.
ROW_ORDER = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14]
PLAYER_ROW_TOPS = [32, 56, 80, 104, 128, 154]
DIE_NAME = re.compile(r"Tärning ([1-5]): ([1-6]|ingen)(, hålls)?(, rullar)?")


def evaluate(dice):
    """The fifteen candidates of the score sheet for five dice, by the rules of the game."""
    count = {f: dice.count(f) for f in range(1, 7)}
    v = {n: 0 for n in range(1, 16)}
    for f in range(1, 7):
        v[f] = f * count[f]
    pairs = sorted((f for f in range(1, 7) if count[f] >= 2), reverse=True)
    if pairs:
        v[7] = 2 * pairs[0]
    if len(pairs) >= 2:
        v[8] = 2 * pairs[0] + 2 * pairs[1]
    for f in range(1, 7):
        if count[f] >= 3:
            v[9] = 3 * f
        if count[f] >= 4:
            v[10] = 4 * f
        if count[f] == 5:
            v[14] = 50
    if sorted(dice) == [1, 2, 3, 4, 5]:
        v[11] = 15
    if sorted(dice) == [2, 3, 4, 5, 6]:
        v[12] = 20
    if sorted(count.values()) == [0, 0, 0, 0, 2, 3]:
        v[13] = sum(dice)
    v[15] = sum(dice)
    return v


def forward_sign(frame):
    """The set-up window's Forward sign while it shows, else None."""
    for d in ax.descendants(frame):
        if ax.name(d) == "Vidare" and ax.has(d, ax.SHOWING):
            return d
    return None



def play_reporting(session, problems, shots, shot_name, *plays):
    """Runs the plays in turn. A Failure ends them as one problem, with a screenshot of the
    screen; the session is closed in any case."""
    try:
        for play in plays:
            play()
    except Failure as e:
        problems.check(False, str(e))
        if shots:
            print("screenshot:", session.screenshot(os.path.join(shots, shot_name)))
        traceback.print_exc()
    finally:
        session.close()

class Problems:
    def __init__(self):
        self.items = []

    def check(self, ok, message):
        if not ok:
            self.items.append(message)
            print("  PROBLEM:", message, flush=True)
        return ok

    def verdict(self, what, started):
        """Prints the run's time and every problem; the exit code, 1 on any problem."""
        print(f"e2e {what}: {time.monotonic() - started:.0f} s, {len(self.items)} problem(s)")
        for p in self.items:
            print("FAIL:", p)
        return 1 if self.items else 0


class KolvoRun:
    """One start of the program in a session."""

    def __init__(self, session, program, home, problems, shots=None, cwd=None, label="run", scale=None):
        self.s = session
        self.scale = scale  # QT_SCALE_FACTOR of the program's screen, None for none
        self.program = program
        self.home = home
        self.p = problems
        self.shots = shots
        self.label = label
        self.cwd = cwd
        self.proc = None
        self.app = None
        self.arena_win = None
        self.frame = None
        self.messages = []  # (title, text) of every message box answered, in order
        self.shot_count = 0

    # ----- bookkeeping -----

    def check(self, ok, message):
        if not ok:
            message += f" [{self.shot(message[:40])}]" if self.shots else ""
        return self.p.check(ok, f"{self.label}: {message}")

    def shot(self, what):
        if not self.shots:
            return ""
        self.shot_count += 1
        slug = re.sub(r"[^A-Za-z0-9]+", "-", what).strip("-")[:40]
        return self.s.screenshot(os.path.join(self.shots, f"{self.label}-{self.shot_count:02d}-{slug}.png"))

    def alive(self):
        return self.proc is not None and self.proc.poll() is None

    def require_alive(self):
        if not self.alive():
            raise Failure(f"{self.label}: the program ended unexpectedly (exit {self.proc.returncode})\n"
                          + self.s.log_of(self.label)[-3000:])

    # ----- start-up chain -----

    def start(self):
        self.proc = self.s.launch(self.program, self.home, cwd=self.cwd, name=self.label, scale=self.scale)
        t0 = time.monotonic()
        intro = self.s.wait_window(INTRO_TITLE, 20)
        self.startup_seconds = time.monotonic() - t0
        x, y, w, h = self.s.xwininfo(intro)
        k = self.scale or 1
        self.check((w, h) == (512 * k, 217 * k), f"intro client area {w}x{h}, expected {512 * k}x{217 * k}")
        self.app = ax.find_app(self.proc.pid)
        self.intro_win = intro
        return intro

    def to_setup(self, click=True):
        """Clicks Order (unless it has been pressed otherwise) and checks the set-up window."""
        if click:
            frame = ax.wait_window(self.app, INTRO_TITLE)
            order = ax.button(frame, "Till inmatningar")
            self.s.click(*ax.centre(order))
        rul = self.s.wait_window(RUL_TITLE)
        title = self.s._name_of(rul)
        self.check(len(title) == 66 and title.startswith("    Tärningsval"),
                   f"set-up window caption {title!r} ({len(title)} characters)")
        x, y, w, h = self.s.xwininfo(rul)
        k = self.scale or 1
        self.check((w, h) == (209 * k, 323 * k), f"set-up client area {w}x{h}, expected {209 * k}x{323 * k}")
        wait_for(lambda: self.s.find_window(INTRO_TITLE) is None, 5, "the intro window to be hidden")
        self.rul_win = rul
        return rul

    def pick_style(self, n):
        """Clicks DiceStyle<n> where the design puts it, then Forward once it shows."""
        x, y, _w, _h = self.s.xwininfo(self.rul_win)
        bx = 168 if n == 6 else 16 + 32 * (n - 1)
        frame = ax.wait_window(self.app, self.s._name_of(self.rul_win))
        styles = [b for b in ax.by_role(frame, "push button") if ax.name(b) == f"Tärningsstil {n}"]
        self.check(len(styles) == 1 and ax.extents(styles[0])[:2] == (x + bx, y + 72),
                   f"style button {n} at {styles and ax.extents(styles[0])}, expected client ({bx}, 72)")
        self.s.click(x + bx + 8, y + 72 + 8)
        forward = wait_for(lambda: forward_sign(frame), 5, "the Forward sign")
        fx, fy, fw, fh = ax.extents(forward)
        self.check((fx - x, fy - y, fw, fh) == (56, 296, 75, 22),
                   f"Forward at client ({fx - x}, {fy - y}) {fw}x{fh}, expected (56, 296) 75x22")
        shown = [b for b in ax.by_role(frame, "push button") if ax.has(b, ax.SHOWING)]
        self.check(not shown, f"style buttons still shown after the pick: {[ax.name(b) for b in shown]}")
        self.shot(f"style {n} chosen")
        self.s.click(fx + fw // 2, fy + fh // 2)

    def to_arena(self):
        win = self.s.wait_window(ARENA_TITLE)
        self.arena_win = win
        wait_for(lambda: self.s.find_window(RUL_TITLE) is None, 5, "the set-up window to be hidden")
        self.frame = ax.wait_window(self.app, ARENA_TITLE, roles=("frame",))
        self._map_arena()
        x, y, w, h = self.s.xwininfo(win)
        mx, my, mw, mh = ax.extents(self.menubar)
        self.check((w, h - mh) == ARENA_CLIENT,
                   f"main window {w}x{h} with a menu bar of {mh}: client area {w}x{h - mh}, expected 432x322")
        cx, cy, cw, ch = ax.extents(self.client)
        self.check((cx - x, cy - y, cw, ch) == (0, mh, 432, 322),
                   f"client area at ({cx - x}, {cy - y}) {cw}x{ch}, expected below the menu bar, 432x322")
        self.origin = (cx, cy)
        self.check(self.at(self.roller) == (344, 280, 81, 33), f"Roller at {self.at(self.roller)}")
        for i, die in enumerate(self.dice):
            self.check(self.at(die) == (128 + 40 * i, 280, 32, 32), f"DicePic({i}) at {self.at(die)}")
        for row, c in enumerate(ROW_ORDER, start=1):
            at = self.at(self.boxes[c])
            self.check(at[:2] == (12, 8 + 16 * (row - 1)), f"ScoreVal({c}) at {at}, expected row {row}")
        self.check(not ax.has(self.roller, ax.ENABLED), "Roller is enabled before a game")
        return win

    def _map_arena(self):
        nodes = ax.descendants(self.frame)
        self.menubar = next(n for n in nodes if ax.role(n) == "menu bar")
        self.client = next(n for n in ax.children(self.frame) if ax.role(n) == "filler")
        client_kids = ax.children(self.client)
        self.roller = next(n for n in client_kids if ax.role(n) == "push button")
        self.boxes = {}
        for n in client_kids:
            if ax.role(n) == "check box":
                c = next(k for k, v in CATEGORIES.items() if v == ax.name(n))
                self.boxes[c] = n
        self.dice = sorted((n for n in client_kids if DIE_NAME.fullmatch(ax.name(n))),
                           key=lambda n: ax.extents(n)[0])
        labels = [n for n in client_kids if ax.role(n) == "label"]
        cx, cy, cw, _ = ax.extents(self.client)
        k = cw / ARENA_CLIENT[0]  # device pixels per pixel of the design
        by_place = {}
        for n in labels:
            x, y, _, _ = ax.extents(n)
            by_place[(round((x - cx) / k), round((y - cy) / k))] = n
        self.score = {}
        for row, c in enumerate(ROW_ORDER, start=1):
            self.score[c] = by_place[(88, 8 + 16 * (row - 1))]
        self.lbl_player = {p: by_place[(168, top)] for p, top in enumerate(PLAYER_ROW_TOPS, start=1)}
        self.lbl_sum = {p: by_place[(336, top)] for p, top in enumerate(PLAYER_ROW_TOPS, start=1)}
        self.lbl_turn = by_place[(128, 232)]
        self.record_name = by_place[(256, 228)]
        self.record_score = by_place[(364, 228)]
        self.check(len(self.boxes) == 15 and len(self.dice) == 5,
                   f"found {len(self.boxes)} category boxes and {len(self.dice)} dice")

    def attach_arena(self, win):
        """The main window's controls, found at any scale, their places unchecked."""
        self.arena_win = win
        self.frame = ax.wait_window(self.app, ARENA_TITLE, roles=("frame",))
        self._map_arena()
        return win

    def at(self, acc):
        x, y, w, h = ax.extents(acc)
        return (x - self.origin[0], y - self.origin[1], w, h)

    def through_chain(self, style):
        self.start()
        self.to_setup()
        self.pick_style(style)
        self.to_arena()

    # ----- menus and dialogs -----

    def menu(self, title, item=None, timed=None):
        """Clicks a title on the menu bar, then an item of its drop-down. With timed, the
        click on the item is handed to timed(click) instead of made at once."""
        self.require_alive()
        bar_item = next(n for n in ax.children(self.menubar) if ax.name(n) == title)
        self.s.click(*ax.centre(bar_item))
        if item is None:
            return None
        popup = ax.children(bar_item)[0]
        entry = next(n for n in ax.children(popup) if ax.name(n) == item)
        wait_for(lambda: ax.has(entry, ax.SHOWING), 5, f"the menu item {item!r}")
        x, y = ax.centre(entry)
        click = lambda: self.s.click(x, y)
        return timed(click) if timed else click()

    def wait_dialog(self, timeout=5, text=None):
        """The first dialog on screen, or with text given, the first one showing that text."""
        def look():
            self.require_alive()
            found = [d for d in ax.dialogs(self.app) if text is None or d[1] == text]
            return found[0] if found else None
        return wait_for(look, timeout, f"a dialog {text!r}" if text else "a dialog", interval=0.05)

    def answer(self, dialog, caption):
        title, _text, acc = dialog
        win = self.s.wait_window(title, 5)
        self.s.click(*ax.centre(ax.button(acc, caption)))
        self.s.wait_gone(win, 5)

    def enter_names(self, names):
        for i, player in enumerate(names, start=1):
            title, text, acc = self.wait_dialog(text=f"Vad heter spelare nr {i} ?")
            self.check((title, text) == ("Kolvo", f"Vad heter spelare nr {i} ?"),
                       f"name prompt {title!r}: {text!r}")
            self.check(ax.name(self.roller) == "Kast 0 av 3",
                       f"Roller reads {ax.name(self.roller)!r} while the names are asked")
            field = next(d for d in ax.descendants(acc) if ax.role(d) == "text")
            self.s.click(*ax.centre(field))
            # xdotool types a letter outside the keymap by remapping a spare key just before
            # pressing it; under load the program may read the key before the new map and
            # the letter is lost. Such a name is typed again, at most twice.
            for attempt in range(3):
                if attempt:
                    self.s.key("ctrl+a", "BackSpace")
                self.s.type_text(player)
                try:
                    wait_for(lambda: ax.fresh(field).get_text(0, -1) == player, 10 if attempt == 2 else 3,
                             f"the name {player!r} typed")
                    break
                except Failure:
                    if attempt == 2:
                        raise
            self.answer((title, text, acc), "OK")

    # ----- play -----

    def read_dice(self):
        out = []
        for i, die in enumerate(self.dice):
            m = DIE_NAME.fullmatch(ax.name(die))
            if not m or int(m.group(1)) != i + 1:
                raise Failure(f"die {i + 1} is named {ax.name(die)!r}")
            out.append((0 if m.group(2) == "ingen" else int(m.group(2)), bool(m.group(3))))
        return out

    def read_hints(self):
        out = {}
        for c, box in self.boxes.items():
            m = re.fullmatch(re.escape(HINT_LABELS[c]) + r" = (\d+)", ax.description(box))
            out[c] = int(m.group(1)) if m else None
        return out

    def roll(self, expect_count, key=None):
        """Presses Roller, or the key given, and waits until the dice lie still and the
        hints are theirs."""
        self.require_alive()
        before = self.read_dice()
        if key:
            self.s.key(key)
        else:
            self.s.click(*ax.centre(self.roller))
        wait_for(lambda: ax.name(self.roller) == f"Kast {expect_count} av 3", 3,
                 f"Roller to read 'Kast {expect_count} av 3'")

        def settled():
            # From the press until the animation's last tick the window says the dice roll,
            # and each free die says "rullar".
            if ax.description(self.frame):
                return None
            names = [DIE_NAME.fullmatch(ax.name(d)) for d in self.dice]
            if not all(names) or any(m.group(4) for m in names):
                return None
            dice = [0 if m.group(2) == "ingen" else int(m.group(2)) for m in names]
            if 0 in dice:
                return None
            hints = self.read_hints()
            return (dice, hints) if hints == evaluate(dice) else None
        dice, _ = wait_for(settled, 5, "the dice to settle with their hints")
        after = self.read_dice()
        for i, ((v0, held0), (v1, held1)) in enumerate(zip(before, after)):
            if held0:
                self.check(v0 == v1 and held1, f"held die {i + 1} changed from {v0} to {v1}")
        self.check(ax.has(self.roller, ax.ENABLED) == (expect_count < 3),
                   f"Roller enabled={ax.has(self.roller, ax.ENABLED)} after roll {expect_count}")
        return dice

    def hold(self, i):
        """Holds or releases die i (0..4) with its key, 1..5."""
        self.s.focus(self.arena_win)
        was = self.read_dice()[i][1]
        self.s.key(str(i + 1))
        wait_for(lambda: self.read_dice()[i][1] != was, 3, f"die {i + 1} to be {'released' if was else 'held'}")

    def click_die(self, i):
        was = self.read_dice()[i][1]
        self.s.click(*ax.centre(self.dice[i]))
        wait_for(lambda: self.read_dice()[i][1] != was, 3, f"die {i + 1} to change its hold")

    def pick(self, category):
        """Clicks a category box; what follows is for collect_boxes to answer."""
        self.s.click(*ax.centre(self.boxes[category]))

    def collect_boxes(self, until, answers=None, timeout=8, by_keyboard=False):
        """Answers message boxes until until() holds with no box on screen; by_keyboard,
        each with Return, its default button, instead of a click on a button."""
        seen = []
        answers = list(answers or [])
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            self.require_alive()
            found = ax.dialogs(self.app)
            if found:
                title, text, acc = found[0]
                seen.append((title, text))
                self.messages.append((title, text))
                if by_keyboard:
                    win = self.s.wait_window(title, 5)
                    self.s.focus(win)
                    self.s.key("Return")
                    self.s.wait_gone(win, 5)
                else:
                    self.answer(found[0], answers.pop(0) if answers else "OK")
                continue
            if until():
                return seen
            time.sleep(0.05)
        raise Failure(f"the turn did not end; boxes seen: {seen}")

    # ----- the score-sheet window -----

    def toggle_table(self):
        """F3 in the main window: opens the score sheet beside it, or closes it."""
        self.s.focus(self.arena_win)
        shown = self.s.find_window(TABLE_TITLE) is not None
        self.s.key("F3")
        if shown:
            wait_for(lambda: self.s.find_window(TABLE_TITLE) is None, 5, "the score sheet to close")
            return None
        self.table_win = self.s.wait_window(TABLE_TITLE, 5)
        frame = ax.wait_window(self.app, TABLE_TITLE)
        self.table = wait_for(lambda: next((d for d in ax.descendants(frame) if ax.role(d) == "table"), None),
                              5, "the score sheet's table")
        return self.table_win

    # ----- the end -----

    def peak_memory_kb(self):
        """The program's peak resident memory so far (VmHWM), in kB."""
        with open(f"/proc/{self.proc.pid}/status") as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
        return None

    def exit_by_menu(self, confirm=False):
        """Fil, Exit; with confirm, a game is running: the question is answered OK, and the
        time runs from that answer."""
        if not confirm:
            return self.menu("Fil", "Exit", timed=self._timed_end)
        self.menu("Fil", "Exit")
        return self._confirmed_end()

    def exit_by_close_control(self, win, confirm=False):
        self.check("WM_DELETE_WINDOW" in self.s.wm_protocols(win),
                   "the window does not take WM_DELETE_WINDOW")
        if not confirm:
            return self._timed_end(lambda: self.s.request_close(win))
        self.s.request_close(win)
        return self._confirmed_end()

    def _confirmed_end(self):
        question = self.wait_dialog(text=DISCARD_FOR_EXIT)
        self.check(question[0] == "Kolvo", f"the exit question is titled {question[0]!r}")
        # Return answers the box's default button, OK, at any scale of the screen.
        win = self.s.wait_window(question[0], 5)
        self.s.focus(win)
        return self._timed_end(lambda: self.s.key("Return"))

    def _timed_end(self, action):
        self.require_alive()
        t0 = time.monotonic()
        action()
        try:
            self.proc.wait(5)
        except Exception:
            pass
        took = time.monotonic() - t0
        ended = self.proc.poll() is not None
        self.check(ended and took < LAST_CLOSE_SECONDS,
                   f"the program ended={ended} {took:.2f} s after the request")
        self.check(not ended or self.proc.returncode == 0, f"exit status {self.proc.returncode}")
        return took
