#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader and a keyboard user get from Kolvo, under Xvfb with AT-SPI.

  screen_reader.py <kolvo executable> [--shots DIR] [--orca]

- the start-up chain by keyboard (Return on the focused button), a mouse-picked style;
- a game started through the menu accelerators (Alt+N, E), the name typed and entered;
- after a roll: every die is named "Tärning N: V"; the key 2 holds die 2 and its name
  says ", hålls"; a click releases it; the fifteen category boxes are named after their
  categories and described with their score hint ("Kåk = 19"), consistent with the
  dice; hovering the box Kåk shows that hint as a tool tip;
- Tab reaches the box Chans, its hint shows as a tool tip beside the categories, and
  Space records it;
- "Hjälp" shows the help text;
- Alt+F, E (Exit) asks first, as a game is running, and OK ends the program within a
  second; in two more starts the close control of the start-up window and of the set-up
  window end it as well.

With --orca, instead: a game of two by keys with Orca running, checked against what Orca
said (its speech log): before any game the window's first words, how to begin one; the start
with both names; each roll once, after the dice settle, with their faces as AT-SPI reads them
and the held ones marked; a hold by key, a hold by the die's press action over AT-SPI and a
release, each with the die, its face and its state; each category reached by Tab with its
name and hint; each write or give-up with the next player, before the next turn's first
words, and the last before the winner's box; the end with the winner and the totals. On the
way: F7's standings; the coach (F2), its advice heard once after each roll and not again
after a hold; a third roll heard before the box the focus lands on, with no window read
between. Then a game against the computer from the form "Mot datorn", each change of its
lists by an arrow key heard with the new value, and the person's write heard before the
computer's first words. Each once, and within a second.

Exit 0 when every check held, 1 on any fault, 77 when the environment cannot run here
(never with CI set).
"""
import argparse
import os
import re
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import kolvo_a11y as ax  # noqa: E402
from kolvo_player import (CATEGORIES, HINT_LABELS, INTRO_TITLE, ROW_ORDER, KolvoRun, Problems,  # noqa: E402
                          evaluate, play_reporting)
from kolvo_session import Failure, Session, start_or_skip, wait_for  # noqa: E402

HELP = ("Välj antalet spelare i menyn Nytt Spel !\n"
        "Välj poäng genom att markera aktuell checkbox.\n"
        "Håll/släpp tärning genom att klicka på aktuell tärning.\n"
        "Du kan slå tärningen 3 gånger, men Du kan sätta poängen när Du vill.\n"
        "Tips ! Om Du tar 3 av varje av nummer 1-6 kan Du få en bonus på 50 poäng.")


def focused(run):
    for d in ax.descendants(run.frame):
        if ax.has(d, ax.FOCUSED):
            return d
    return None


def keyboard_and_names(session, program, problems, shots):
    home = session.new_home("home-a11y")
    run = KolvoRun(session, program, home, problems, shots=shots, label="reader")
    intro = run.start()
    frame = ax.wait_window(run.app, INTRO_TITLE)
    order = ax.button(frame, "Till inmatningar")
    session.focus(intro)
    wait_for(lambda: ax.has(order, ax.FOCUSED), 3, "Order to have the keyboard focus")
    session.key("Return")
    run.to_setup(click=False)
    run.pick_style(3)
    run.to_arena()

    session.focus(run.arena_win)
    session.key("alt+n")
    time.sleep(0.2)
    session.key("e")
    title, text, dialog = run.wait_dialog()
    run.check((title, text) == ("Kolvo", "Vad heter spelare nr 1 ?"), f"name prompt {title!r} {text!r}")
    session.type_text("Anna")
    session.key("Return")
    wait_for(lambda: not ax.dialogs(run.app), 5, "the name prompt to close")
    run.check(ax.name(run.lbl_player[1]) == "Anna", f"lblPlayer(1) shows {ax.name(run.lbl_player[1])!r}")

    for i, die in enumerate(run.dice):
        run.check(ax.name(die) == f"Tärning {i + 1}: ingen", f"before a roll die {i + 1} is {ax.name(die)!r}")
    dice = run.roll(1)
    names = [ax.name(d) for d in run.dice]
    print("dice after the roll:", names, flush=True)
    for i, (die, v) in enumerate(zip(run.dice, dice)):
        run.check(ax.name(die) == f"Tärning {i + 1}: {v}", f"die {i + 1} is named {ax.name(die)!r}")
        run.check(ax.description(die) == "Håll/släpp tärning med musklick",
                  f"free die {i + 1} is described {ax.description(die)!r}")

    run.hold(1)
    run.check(ax.name(run.dice[1]) == f"Tärning 2: {dice[1]}, hålls", f"held die 2 is named {ax.name(run.dice[1])!r}")
    run.check(ax.description(run.dice[1]) == "Tärningen hålls",
              f"held die 2 is described {ax.description(run.dice[1])!r}")
    run.shot("die 2 held")
    run.click_die(1)
    run.check(ax.name(run.dice[1]) == f"Tärning 2: {dice[1]}", f"released die 2 is named {ax.name(run.dice[1])!r}")

    hints = evaluate(dice)
    for c, box in run.boxes.items():
        run.check(ax.role(box) == "check box" and ax.name(box) == CATEGORIES[c],
                  f"category {c} is a {ax.role(box)} named {ax.name(box)!r}")
        run.check(ax.description(box) == f"{HINT_LABELS[c]} = {hints[c]}",
                  f"category {CATEGORIES[c]} is described {ax.description(box)!r}, dice {dice}")
    print("Kåk:", repr(ax.name(run.boxes[13])), "described", repr(ax.description(run.boxes[13])), flush=True)

    # The same hint as a tool tip under the mouse.
    x, y = ax.centre(run.boxes[13])
    session.xdotool("mousemove", x, y)
    try:
        tip = wait_for(lambda: next((acc for r, n, acc in ax.windows(run.app) if r == "tool tip"), None),
                       5, "the tool tip of Kåk")
        tip_text = ax.name(tip) or " ".join(ax.name(d) for d in ax.descendants(tip))
        run.check(tip_text == f"Kåk = {hints[13]}", f"the tool tip of Kåk reads {tip_text!r}")
    except Failure as e:
        run.check(False, str(e))
    run.shot("hint of Kaak")
    session.xdotool("mousemove", 5, 5)

    # Tab to the box Chans, Space records it.
    session.focus(run.arena_win)
    chans = run.boxes[15]
    for _ in range(30):
        if ax.has(chans, ax.FOCUSED):
            break
        session.key("Tab")
        time.sleep(0.03)
    run.check(ax.has(chans, ax.FOCUSED), f"Tab never reached Chans; focus is on "
              f"{(lambda f: f and ax.name(f))(focused(run))!r}")
    # The keyboard focus shows the same hint the mouse does, beside the categories' frame.
    try:
        tip = wait_for(lambda: next((acc for r, n, acc in ax.windows(run.app) if r == "tool tip"), None),
                       5, "the tool tip of Chans under the keyboard focus")
        tip_text = ax.name(tip) or " ".join(ax.name(d) for d in ax.descendants(tip))
        run.check(tip_text == f"Chans = {hints[15]}", f"the focused Chans shows the tool tip {tip_text!r}")
        run.check(ax.extents(tip)[0] > ax.extents(chans)[0] + ax.extents(chans)[2],
                  f"the tool tip of the focused Chans at {ax.extents(tip)} covers its box")
    except Failure as e:
        run.check(False, str(e))
    session.key("space")
    wait_for(lambda: ax.name(run.roller) == "Tryck", 5, "the turn to pass after Space on Chans")
    run.check(ax.name(run.score[15]) == str(sum(dice)), f"Score(15) shows {ax.name(run.score[15])!r}")
    run.check(ax.name(run.lbl_sum[1]) == str(sum(dice)), f"lblSum(1) shows {ax.name(run.lbl_sum[1])!r}")
    run.check(ax.has(chans, ax.CHECKED) and not ax.has(chans, ax.ENABLED), "Chans not ticked and disabled")

    run.menu("Hjälp")
    title, text, box = run.wait_dialog()
    run.check((title, text) == ("Kolvo Hjälp", HELP), f"help box {title!r}: {text!r}")
    run.shot("help")
    run.answer((title, text, box), "OK")

    # Alt+F, E: the Exit command from the keyboard.
    session.focus(run.arena_win)
    session.key("alt+f")
    exit_item = next(n for n in ax.children(ax.children(next(
        m for m in ax.children(run.menubar) if ax.name(m) == "Fil"))[0]) if ax.name(n) == "Exit")
    wait_for(lambda: ax.has(exit_item, ax.SHOWING), 5, "the menu Fil to open")
    session.key("e")
    took = run._confirmed_end()  # a game is running: asked first
    print(f"Alt+F, E, then OK to the question ended the program in {took * 1000:.0f} ms", flush=True)


def close_early(session, program, problems, shots):
    """The close control of the start-up window, then in another start that of the set-up window."""
    home = session.new_home("home-close")
    run = KolvoRun(session, program, home, problems, shots=shots, label="close-intro")
    intro = run.start()
    took = run.exit_by_close_control(intro)
    print(f"closing the start-up window ended the program in {took * 1000:.0f} ms", flush=True)

    run = KolvoRun(session, program, home, problems, shots=shots, label="close-setup")
    run.start()
    rul = run.to_setup()
    took = run.exit_by_close_control(rul)
    print(f"closing the set-up window ended the program in {took * 1000:.0f} ms", flush=True)
    left = [t for _w, t in session.top_windows()]
    run.check(not left, f"windows left on screen: {left}")


# ----- with Orca -----

HEARD_WITHIN = 1.0  # seconds from the event to its utterance
LATENCIES = {}      # kind of fact: seconds from the event to its utterance, each time
MISSES = []         # facts not heard; ten of them end the game early


def heard(run, mark, pattern, what, since, kind, timeout=3.0):
    """Checks that Orca said, after the mark, exactly one utterance matching pattern, within
    HEARD_WITHIN of since (the time the test saw the event). Returns its text, or ""."""
    rx = re.compile(pattern)
    matches = lambda: [u for u in run.s.utterances(mark) if rx.search(u[1])]
    try:
        wait_for(matches, timeout, what)
        time.sleep(0.3)  # a repeat comes at once or not at all
    except Failure:
        pass
    found = matches()
    said = [t for _w, t in run.s.utterances(mark)]
    if not run.check(len(found) == 1, f"{what}: heard {len(found)} times, not once; Orca said {said}"):
        MISSES.extend([] if found else [what])
        if len(MISSES) >= 10:
            raise Failure(f"ten facts not heard: {MISSES}")
        return found[0][1] if found else ""
    late = found[0][0] - since
    LATENCIES.setdefault(kind, []).append(late)
    run.check(late <= HEARD_WITHIN, f"{what}: heard {late:.2f} s after it happened: {found[0][1]!r}")
    return found[0][1]


def roll_pattern(count, dice):
    """A roll's utterance: its count, then the five faces in order, each held one marked."""
    faces = [rf"{v}\W+hålls" if held else rf"{v}(?!\W+hålls)" for v, held in dice]
    return rf"Kast {count} av 3\W+" + r"\W+".join(faces)


def heard_roll(run, count, key="Return"):
    mark = run.s.speech_mark()
    dice = run.roll(count, key=key)
    seen = time.time()
    held = run.read_dice()
    heard(run, mark, roll_pattern(count, held), f"roll {count} of {dice}", seen, "roll")
    return dice


def heard_hold(run, i, press):
    """Holds or releases die i by press(); the die's state over AT-SPI and the utterance."""
    was = run.read_dice()[i]
    mark = run.s.speech_mark()
    press()
    wait_for(lambda: run.read_dice()[i][1] != was[1], 3, f"die {i + 1} to change its hold")
    seen = time.time()
    held = not was[1]
    run.check(ax.has(run.dice[i], ax.CHECKED) == held, f"die {i + 1} held={held} but its checked state disagrees")
    heard(run, mark, rf"Tärning {i + 1}\W+{was[0]}\W+{'hålls' if held else 'släppt'}",
          f"die {i + 1} {'held' if held else 'released'}", seen, "hold")


def answer_as_heard(run, until, timeout=20):
    """Answers each message box with Return once Orca has read it out, as a player who hears
    it would, until until() holds with no box on screen. (Boxes answered faster than Orca
    reads them pile up events enough for Orca to drop some as a flood.)"""
    mark = run.s.speech_mark()
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        run.require_alive()
        found = ax.dialogs(run.app)
        if found:
            title, text, _acc = found[0]
            line = text.splitlines()[0] if text else title
            try:
                wait_for(lambda: any(line in t for _w, t in run.s.utterances(mark)), 3, f"Orca to read {line!r}")
            except Failure:
                print(f"note: Orca did not read the box {title!r}: {text!r}", flush=True)
            win = run.s.wait_window(title, 5)
            run.s.focus(win)
            run.s.key("Return")
            run.s.wait_gone(win, 5)
            mark = run.s.speech_mark()
            continue
        if until():
            return
        time.sleep(0.05)
    raise Failure("the turn did not end")


def heard_box(run, mark, c, dice, what):
    """The box c read with its name, then its hint for the dice."""
    heard(run, mark, rf"^{re.escape(CATEGORIES[c])}\b(?! =)", f"the box {CATEGORIES[c]} {what}", time.time(), "box")
    heard(run, mark, rf"^{re.escape(HINT_LABELS[c])} = {evaluate(dice)[c]}\b", f"the hint of {CATEGORIES[c]}",
          time.time(), "hint")


def in_order(run, mark, starts, what):
    """Orca said, after the mark, utterances beginning so, in this order: the first of each."""
    said = [t for _w, t in run.s.utterances(mark)]
    at = [next((i for i, t in enumerate(said) if t.startswith(b)), -1) for b in starts]
    run.check(-1 not in at and at == sorted(at), f"{what}: not in that order in {said}")
    return said


def heard_write(run, names, player, dice, tab=True):
    """Tab to the first free category (its name and hint heard), Space writes it; the write
    and the next player heard before the next turn's first words (or the winner's box).
    Without tab the focus is on that category already."""
    s = run.s
    c = next(c for c in ROW_ORDER if not ax.has(run.boxes[c], ax.CHECKED))
    hint = evaluate(dice)[c]
    if tab:
        mark = s.speech_mark()
        s.key("Tab")
        wait_for(lambda: ax.has(run.boxes[c], ax.FOCUSED), 3, f"Tab to reach {CATEGORIES[c]}")
        heard_box(run, mark, c, dice, "reached")
    last = sum(ax.has(b, ax.CHECKED) for b in run.boxes.values()) == 14 and player == len(names)
    mark = s.speech_mark()
    s.key("space")
    # The boxes show the sheet of the player in turn: the next player's once the turn passes.
    answer_as_heard(run, lambda: ax.name(run.lbl_turn) != names[player - 1])
    seen = time.time()
    nxt = names[player % len(names)]
    wrote = rf"{names[player - 1]}\W+(skrev\W+{CATEGORIES[c]}\W+{hint}\W+poäng|strök\W+{CATEGORIES[c]})"
    heard(run, mark, wrote + ("" if last else rf".*Nu kastar\W+{nxt}"), f"{names[player - 1]}'s {CATEGORIES[c]}", seen, "write")
    first = "alert Segrare" if last else "Tryck push button"
    wait_for(lambda: any(t.startswith(first) for _w, t in s.utterances(mark)), 5, f"{first!r} after the write")
    in_order(run, mark, [names[player - 1] + " s", first], f"{names[player - 1]}'s write, then {first!r}")


# ----- the gaps a player who cannot see the board met -----

HOW_TO_BEGIN = "Välj Nytt spel och antalet spelare för att börja, eller Nytt spel, Mot datorn för ett spel mot datorn."


def heard_first_words(run, mark):
    """Before any game the window's first words, after its name, say how to begin one; no
    box is read after them."""
    heard(run, mark, "^" + re.escape(HOW_TO_BEGIN), "how to begin, before any game", time.time(), "window")
    said = in_order(run, mark, ["Kolvo 2003 frame", HOW_TO_BEGIN], "the window's name, then how to begin")
    run.check(not any("check box" in t for t in said), f"a box was read before any game: {said}")


def heard_standings(run, names, in_turn):
    """F7: every player with the total, and whose turn it is."""
    rows = [f"{n} {ax.name(run.lbl_sum[p]) or 0} poäng" for p, n in enumerate(names, start=1)]
    mark = run.s.speech_mark()
    run.s.key("F7")
    said = f"Ställning: {', '.join(rows[:-1])} och {rows[-1]}. {in_turn} har turen."
    heard(run, mark, "^" + re.escape(said), "the standings", time.time(), "standings")


def heard_third_roll(run):
    """The third roll heard once, then the box the focus lands on with its hint; the window
    is not read again between."""
    c = next(c for c in ROW_ORDER if not ax.has(run.boxes[c], ax.CHECKED))
    mark = run.s.speech_mark()
    dice = run.roll(3, key="Return")
    seen = time.time()
    wait_for(lambda: ax.has(run.boxes[c], ax.FOCUSED), 3, f"the focus on {CATEGORIES[c]} after the third roll")
    heard(run, mark, roll_pattern(3, run.read_dice()), f"roll 3 of {dice}", seen, "roll")
    heard_box(run, mark, c, dice, "after the third roll")
    said = in_order(run, mark, ["Kast 3 av 3", CATEGORIES[c], HINT_LABELS[c] + " ="], "the third roll, then the box")
    run.check(not any(t.startswith("Kolvo 2003") for t in said), f"the window was read at the third roll: {said}")
    return dice


def heard_coach(run, name):
    """F2 opens the coach, heard; once its table is there each roll's advice is heard once
    after the roll, and a hold that leaves it as it was says nothing; F2 closes it."""
    s = run.s
    mark = s.speech_mark()
    s.key("F2")
    heard(run, mark, rf"^Tips för {name}\b", "the coach opened", time.time(), "coach")
    coach = ax.wait_window(run.app, ax.COACH_TITLE)
    wait_for(lambda: "Kasta tärningarna först" in ax.description(ax.fresh(coach)), 90, "the coach's table")
    for count in (1, 2):
        mark = s.speech_mark()
        dice = heard_roll(run, count)
        heard(run, mark, rf"^Tips för {name}\W+(Håll|Kasta om|Behåll)", f"the advice after roll {count}", time.time(),
              "advice")
        in_order(run, mark, [f"Kast {count}", "Tips för"], f"roll {count}, then its advice")
        if count == 1:
            mark = s.speech_mark()
            heard_hold(run, 0, lambda: s.key("1"))
            time.sleep(1.0)  # longer than the advice takes to settle
            said = [t for _w, t in s.utterances(mark)]
            run.check(not any(t.startswith("Tips") for t in said), f"the same advice told again after a hold: {said}")
    s.key("F2")
    wait_for(lambda: s.find_window(ax.COACH_TITLE) is None, 5, "the coach to close")
    return dice


def heard_against_the_computer(run):
    """Nytt spel, Mot datorn: each change of a list by an arrow key heard once with its new
    value; then the person's write heard before the computer's first words."""
    s = run.s
    s.focus(run.arena_win)
    s.key("alt+n")
    time.sleep(0.3)
    s.key("d")
    mark = s.speech_mark()
    wait_for(lambda: any(t.startswith("Människor: 1") for _w, t in s.utterances(mark)), 5, "the form Mot datorn")
    for key, said in [("Down", "Människor: 2"), ("Up", "Människor: 1"), ("Tab", ""), ("Tab", ""),
                      ("Down", "Styrka: Svår: missar sällan, cirka 238 poäng i snitt"), ("Tab", ""),
                      ("Up", "Tempo: Snabb: en tur på ett par sekunder"),
                      ("Down", "Tempo: Normal: en halv sekund mellan dragen")]:
        mark = s.speech_mark()
        s.key(key)
        if said:
            heard(run, mark, "^" + re.escape(said) + r"\.?$", f"{said!r} after {key}", time.time(), "form")
        else:
            time.sleep(0.5)  # Orca reads the list reached
    s.key("Return")
    run.wait_dialog(text="Vad heter spelare nr 1 ?")
    s.type_text("Ada")
    mark = s.speech_mark()
    s.key("Return")
    heard(run, mark, r"^Spelet börjar\W+Spelare\W+Ada och Datorn 1\b", "the start against the computer", time.time(),
          "start")
    heard_standings(run, ["Ada", "Datorn 1"], "Ada")
    dice = heard_roll(run, 1)
    mark = s.speech_mark()
    heard_write(run, ["Ada", "Datorn 1"], 1, dice)
    wait_for(lambda: any(t.startswith("Kast 1 av 3:") for _w, t in s.utterances(mark)), 5, "the computer's roll")
    in_order(run, mark, ["Ada s", "Tryck push button", "Datorn 1 spelar, vänta.", "Kast 1 av 3:"],
             "the write, then the computer's first words")


def heard_game(session, program, problems, shots):
    run = KolvoRun(session, program, session.new_home("home-orca"), problems, shots=shots, label="heard")
    run.start()
    run.to_setup()
    appears = session.speech_mark()
    run.pick_style(3)
    run.to_arena()
    heard_first_words(run, appears)
    names = ["Ada", "Bo"]
    menu = next(m for m in ax.children(run.menubar) if ax.name(m) == "Nytt spel")
    two = next(n for n in ax.children(ax.children(menu)[0]) if ax.name(n) == "Två spelare")
    for attempt in range(3):  # the window manager may still be giving the new window the focus
        asked = session.speech_mark()
        session.focus(run.arena_win)
        session.key("alt+n")
        try:
            wait_for(lambda: ax.has(two, ax.SHOWING), 2, "the menu Nytt spel to open")
            time.sleep(0.2)
            session.key("t")
            run.wait_dialog(timeout=3, text="Vad heter spelare nr 1 ?")
            break
        except Failure:
            if attempt == 2:
                raise
            session.key("Escape")
            session.key("Escape")
    for i, name in enumerate(names, start=1):
        if i > 1:
            asked = session.speech_mark()
        run.wait_dialog(text=f"Vad heter spelare nr {i} ?")
        wait_for(lambda: any(f"spelare nr {i}" in t for _w, t in session.utterances(asked)), 5, f"Orca to ask for name {i}")
        if i == len(names):
            mark = session.speech_mark()
        session.type_text(name)
        session.key("Return")
    wait_for(lambda: not ax.dialogs(run.app), 5, "the name prompts to close")
    heard(run, mark, r"(?=.*\bAda\b)(?=.*\bBo\b)", "the start of the game", time.time(), "start")
    bars = [b for b in ax.by_role(run.frame, "status bar") if ax.has(b, ax.SHOWING)]
    run.check(not bars, "the announcements show on the board")

    for turn in range(1, 16):
        for player in (1, 2):
            session.focus(run.arena_win)
            wait_for(lambda: ax.has(run.roller, ax.FOCUSED), 5, f"Kasta to have the focus at turn {turn}")
            if (turn, player) == (2, 1):
                heard_standings(run, names, names[player - 1])
            if (turn, player) == (2, 2):
                dice = heard_coach(run, names[player - 1])
            else:
                dice = heard_roll(run, 1)
            if turn == 1 and player == 1:
                heard_hold(run, 1, lambda: session.key("2"))
                die = ax.fresh(run.dice[2])  # its press action, as Orca's would do it
                run.check(ax.Atspi.Action.get_action_name(die, 0) == "Press", "a die's first action is not Press")
                heard_hold(run, 2, lambda: ax.Atspi.Action.do_action(die, 0))
                heard_hold(run, 2, lambda: session.key("3"))
                dice = heard_roll(run, 2)
            if (turn, player) == (3, 1):
                heard_roll(run, 2)
                dice = heard_third_roll(run)
            end = session.speech_mark()
            heard_write(run, names, player, dice, tab=(turn, player) != (3, 1))
    answer_as_heard(run, lambda: ax.name(run.lbl_turn) == "Spelet är slut" and not ax.has(run.roller, ax.ENABLED))
    totals = [ax.name(run.lbl_sum[p]) or "0" for p in (1, 2)]
    winner = names[max(range(2), key=lambda p: int(totals[p]))]
    heard(run, end, rf"Spelet är slut(?=.*\b{winner}\b)(?=.*\b{totals[0]}\b)(?=.*\b{totals[1]}\b)",
          "the end with the winner and the totals", time.time(), "end", timeout=5)
    run.shot("game heard")
    heard_against_the_computer(run)
    for kind, times in LATENCIES.items():
        print(f"heard {kind}: {len(times)} times, latest {max(times):.2f} s, median {sorted(times)[len(times) // 2]:.2f} s")
    run.exit_by_menu(confirm=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kolvo")
    parser.add_argument("--shots")
    parser.add_argument("--orca", action="store_true", help="a game heard through Orca")
    args = parser.parse_args()
    program = os.path.abspath(args.kolvo)
    problems = Problems()
    started = time.monotonic()
    session = Session(audio=False, keep=args.shots, reader=args.orca)
    skipped = start_or_skip(session)
    if skipped is not None:
        return skipped
    if args.orca:
        play_reporting(session, problems, args.shots, "orca-failure.png",
                       lambda: heard_game(session, program, problems, args.shots))
        return problems.verdict("heard through Orca", started)
    play_reporting(session, problems, args.shots, "reader-failure.png",
                   lambda: keyboard_and_names(session, program, problems, args.shots),
                   lambda: close_early(session, program, problems, args.shots))
    return problems.verdict("screen reader", started)


if __name__ == "__main__":
    sys.exit(main())
