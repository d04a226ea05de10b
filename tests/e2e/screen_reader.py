#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader and a keyboard user get from Kolvo, under Xvfb with AT-SPI.

  screen_reader.py <kolvo executable> [--shots DIR]

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

Exit 0 when every check held, 1 on any fault, 77 when the environment cannot run here
(never with CI set).
"""
import argparse
import os
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import kolvo_a11y as ax  # noqa: E402
from kolvo_player import (CATEGORIES, HINT_LABELS, INTRO_TITLE, KolvoRun, Problems, evaluate,  # noqa: E402
                          play_reporting)
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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kolvo")
    parser.add_argument("--shots")
    args = parser.parse_args()
    program = os.path.abspath(args.kolvo)
    problems = Problems()
    started = time.monotonic()
    session = Session(audio=False, keep=args.shots)
    skipped = start_or_skip(session)
    if skipped is not None:
        return skipped
    play_reporting(session, problems, args.shots, "reader-failure.png",
                   lambda: keyboard_and_names(session, program, problems, args.shots),
                   lambda: close_early(session, program, problems, args.shots))
    return problems.verdict("screen reader", started)


if __name__ == "__main__":
    sys.exit(main())
