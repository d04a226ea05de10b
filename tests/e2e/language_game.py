#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Kolvo in English, played from outside under Xvfb and read over AT-SPI, and back to
Swedish in a running game.

  language_game.py <kolvo executable> [--shots DIR]

The store holds Language=en, as Fil → Språk / Language leaves it. Then, by keyboard: the
intro and the set-up window; a game of two people with the coach, the score sheet and the
keys window open beside the board, played to its end; a game against one computer at Fast.
Every window's texts (names, descriptions, the text of text views, the sheet's cells) read
over AT-SPI hold no Swedish, the screen reader's announcements are English, and the boxes,
the coach's figures and the review are English, with a decimal point. In the middle of the
game against the computer, File → Språk / Language → Svenska: the design's Swedish texts
exactly, on the board and beside it, and the game as it was; it goes on to its end in
Swedish, and the store keeps Language=sv.

Exit 0 when every check held, 1 on any fault, 77 when the environment cannot run here
(never with CI set).
"""
import argparse
import configparser
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import kolvo_a11y as ax  # noqa: E402
from kolvo_player import ARENA_TITLE, CATEGORIES, ROW_ORDER, KolvoRun, Problems, play_reporting  # noqa: E402
from kolvo_session import Failure, Session, start_or_skip, wait_for  # noqa: E402

INTRO = "    Kolvo Introduction"
SETUP = re.compile(r"    Choice of dice {30}KOLVO FOR SIX PLAYERS")
SHEET = {"en": "Score sheet", "sv": "Protokoll"}
COACH = "Kolvo Tips"
KEYS = {"en": "Kolvo Keys and extras", "sv": "Kolvo Tangenter och tillägg"}
DIE = re.compile(r"(?:Die|Tärning) ([1-5]): ([1-6]|none|ingen)(, held|, hålls)?(, rolling|, rullar)?")
ROLLS = re.compile(r"(?:Roll|Kast) ([0-3]) (?:of|av) 3")
# Swedish shows in its own letters, or in the design's words that have none of them.
SWEDISH = re.compile(r"[åäöÅÄÖ]|\b(Kasta|Tryck|Spelare|spelare|Ettor|Treor|Sexor|Par|Triss|Fyrtal|Lillan|Storan|"
                     r"Chans|Protokoll|Summa|Fil|Hjälp|Drag|kast|och|eller|inte|Datorn|Tips för)\b")
# The menu of languages reads the same in every language.
EVERY_LANGUAGE = ("Språk / Language", "Svenska")
SWEDISH_LABELS = {(168, 8): "Spelare", (336, 8): "Poäng", (128, 208): "Nu kastar", (256, 208): "Högsta poäng"}
ENGLISH_LABELS = {(168, 8): "Players", (336, 8): "Score", (128, 208): "Now rolling", (256, 208): "High score"}
ENGLISH_BOXES = {1: "Ones", 2: "Twos", 3: "Threes", 4: "Fours", 5: "Fives", 6: "Sixes", 7: "Pair", 8: "2 Pairs",
                 9: "3 Alike", 10: "4 Alike", 11: "Sm. Str.", 12: "Lg. Str.", 13: "Full H.", 14: "Kolvo", 15: "Chance"}
PLAYER_ROW_TOPS = [32, 56, 80, 104, 128, 154]


def texts_of(acc):
    """What a screen reader can read under acc: names, descriptions, the text of text views."""
    out = []
    for node in [acc] + ax.descendants(acc):
        try:
            out += [ax.name(node), ax.description(node)]
            if "text" in ax.role(node):
                out.append(node.get_text(0, -1) or "")
        except Exception:  # a part going away while it is read
            continue
    return [t for t in out if t.strip()]


def swedish_left(app):
    found = []
    for _role, title, win in ax.windows(app):
        for text in [title] + texts_of(win):
            for same in EVERY_LANGUAGE:
                text = text.replace(same, "")
            if SWEDISH.search(text):
                found.append(text)
    return found


class Board:
    """The main window over AT-SPI, its controls found by role and by where the design puts them."""

    def __init__(self, run):
        self.run = run
        self.win = run.s.wait_window(ARENA_TITLE)
        self.frame = ax.wait_window(run.app, ARENA_TITLE, roles=("frame",))
        nodes = ax.descendants(self.frame)
        self.menubar = next(n for n in nodes if ax.role(n) == "menu bar")
        self.voice = next(n for n in nodes if ax.role(n) == "notification")
        client = next(n for n in ax.children(self.frame) if ax.role(n) == "filler")
        kids = ax.children(client)
        self.roller = next(n for n in kids if ax.role(n) == "push button")
        boxes = sorted((n for n in kids if ax.role(n) == "check box"), key=lambda n: ax.extents(n)[1])
        self.boxes = dict(zip(ROW_ORDER, boxes))
        self.dice = sorted((n for n in kids if DIE.fullmatch(ax.name(n))), key=lambda n: ax.extents(n)[0])
        cx, cy, _w, _h = ax.extents(client)
        self.labels = {}
        for n in kids:
            if ax.role(n) == "label":
                x, y, _, _ = ax.extents(n)
                self.labels[(x - cx, y - cy)] = n
        self.turn = self.labels[(128, 232)]
        self.players = [self.labels[(168, top)] for top in PLAYER_ROW_TOPS]
        self.sums = [self.labels[(336, top)] for top in PLAYER_ROW_TOPS]
        self.scores = [self.labels[(88, 8 + 16 * row)] for row in range(15)]
        run.menubar = self.menubar  # for KolvoRun.menu and its Exit

    def menus(self):
        return [ax.name(n) for n in ax.children(self.menubar)]

    def dice_now(self):
        return [DIE.fullmatch(ax.name(d)) for d in self.dice]

    def game(self):
        """What the game is, whatever the language: the dice, the sheet shown, names and sums."""
        dice = [(m.group(2) if m.group(2) not in ("none", "ingen") else "-", bool(m.group(3)))
                for m in self.dice_now()]
        return (dice, [ax.name(s) for s in self.scores], [ax.has(b, ax.CHECKED) for b in self.boxes.values()],
                [ax.name(p) for p in self.players], [ax.name(s) for s in self.sums], ax.name(self.turn))

    def settled(self, rolls):
        m = ROLLS.fullmatch(ax.name(self.roller))
        dice = self.dice_now()
        return (m and int(m.group(1)) == rolls and all(dice) and not any(d.group(4) for d in dice)
                and all(d.group(2) not in ("none", "ingen") for d in dice) and not ax.description(self.frame))


def boxes(run):
    """Message and input boxes on screen: (title, text, accessible)."""
    side = set(SHEET.values()) | set(KEYS.values()) | {COACH, ARENA_TITLE}
    out = []
    for role, title, acc in ax.windows(run.app):
        if role in ("dialog", "alert") and title not in side:
            labels = [d for d in ax.descendants(acc) if ax.role(d) == "label" and ax.name(d)]
            out.append((title, ax.name(labels[0]) if labels else "", acc))
    return out


def answer_boxes(run, until, timeout=10):
    """Answers each box with Return, its default button, until until() holds with none up."""
    seen = []
    end = time.monotonic() + timeout
    while True:
        run.require_alive()
        up = wait_for(lambda: boxes(run) or ("end",) if until() else boxes(run), max(0.1, end - time.monotonic()),
                      f"an end to the boxes; seen: {seen}")
        if up == ("end",):
            return seen
        title, text, _acc = up[0]
        seen.append((title, text))
        win = run.s.wait_window(title, 5)
        run.s.focus(win)
        run.s.key("Return")
        run.s.wait_gone(win, 5)


def open_menu(run, board, key, title):
    """Opens a menu of the bar by its key, and waits until its items show."""
    run.s.key(key)
    menu = next(n for n in ax.children(board.menubar) if ax.name(n) == title)
    wait_for(lambda: any(ax.has(i, ax.SHOWING) for p in ax.children(menu) for i in ax.children(p)), 3,
             f"the menu {title} to open")


def give_name(run, number, name, prompt):
    wait_for(lambda: any(t == prompt.format(number) for _t, t, _a in boxes(run)), 5, f"the prompt for player {number}")
    run.s.type_text(name)
    run.s.key("Return")


def person_turn(run, board, name, over, last=False):
    """A person's turn by keyboard: Return rolls once, Tab reaches the first free category,
    Space writes it; the boxes that follow are answered. Returns them. The game's last turn
    waits for the end, whose boxes come once the write has been told."""
    run.s.focus(board.win)
    wait_for(lambda: ax.name(board.turn) == name and ax.has(board.roller, ax.FOCUSED), 30, f"{name}'s turn")
    run.s.key("Return")
    wait_for(lambda: board.settled(1), 5, "the dice to settle")
    said = wait_for(lambda: (lambda s: s if ROLLS.match(s) else None)(ax.name(board.voice)), 5,
                    "the screen reader to be told of the roll")
    dice = ", ".join(d.group(2) + (" held" if d.group(3) == ", held" else "") for d in board.dice_now())
    run.check(said in (f"Roll 1 of 3: {dice}", f"Kast 1 av 3: {dice.replace(' held', ' hålls')}"),
              f"the screen reader was told {said!r} of the roll {dice}")
    free = next(c for c in ROW_ORDER if not ax.has(board.boxes[c], ax.CHECKED))
    run.s.key("Tab")
    wait_for(lambda: ax.has(board.boxes[free], ax.FOCUSED), 3, "Tab to reach the first free category")
    run.s.key("space")
    return answer_boxes(run, over if last else lambda: ax.name(board.turn) != name or over())


def game_over(board, words):
    return ax.name(board.turn) == words and not ax.has(board.roller, ax.ENABLED)


def english_game_of_two(run, board):
    session = run.s
    session.focus(board.win)
    open_menu(run, board, "alt+n", "New game")
    session.key("t")  # &Two players
    for number, name in enumerate(("Ada", "Bo"), start=1):
        give_name(run, number, name, "What is the name of player {}?")
    wait_for(lambda: ax.name(board.players[1]) == "Bo", 5, "the names on the board")
    session.focus(board.win)
    session.key("F2")
    session.key("F3")
    open_menu(run, board, "alt+f", "File")
    session.key("k")  # &Keys and extras…
    for title in (COACH, SHEET["en"], KEYS["en"]):
        ax.wait_window(run.app, title)
    run.check(board.menus() == ["File", "New game", "Help"], f"the menus read {board.menus()}")
    labels = {at: ax.name(board.labels[at]) for at in ENGLISH_LABELS}
    run.check(labels == ENGLISH_LABELS, f"the board's captions read {labels}")
    captions = {c: ax.name(b) for c, b in board.boxes.items()}
    run.check(captions == ENGLISH_BOXES, f"the category boxes read {captions}")

    seen = []
    for turn in range(30):
        name = ("Ada", "Bo")[turn % 2]
        seen += person_turn(run, board, name, lambda: game_over(board, "Game over"), last=turn == 29)
        if turn == 0:
            # Told once the turn has passed, after the roll's "Roll 1 of 3: …".
            wrote = re.compile(r"Ada (took [\w ]+ for \d+|scratched [\w ]+)\. Now Bo rolls\.")
            said = wait_for(lambda: (lambda s: s if wrote.fullmatch(s) else None)(ax.name(board.voice)), 5,
                            "the screen reader to be told of Ada's write")
            print(f"the screen reader was told {said!r}", flush=True)
            coach = ax.wait_window(run.app, COACH)
            wait_for(lambda: re.search(r"Tips for Bo\nRoll the dice first\.", ax.description(coach)), 60,
                     "the coach's advice for Bo")
        if turn in (0, 15, 29):
            left = swedish_left(run.app)
            run.check(not left, f"turn {turn + 1} of the game of two: Swedish left: {left[:6]}")
            run.shot(f"english turn {turn + 1}")
    winner = [b for b in seen if b[0] == "Winner"]
    run.check(len(winner) == 1 and re.fullmatch(r"The winner is (Ada|Bo)\nwith a score of \d+", winner[0][1]),
              f"the end's boxes: {seen}")
    run.check(all(b[0] in ("Kolvo", "Winner", "High score") for b in seen), f"the boxes' titles: {seen}")
    sheet = ax.wait_window(run.app, SHEET["en"])
    review = wait_for(lambda: next((t for t in texts_of(sheet) if "points lost against the best play" in t), None),
                      60, "the game review")
    run.check(re.search(r"\d\.\d", review) and not re.search(r"\d,\d", review), f"the review reads {review!r}")
    left = swedish_left(run.app)
    run.check(not left, f"after the game of two: Swedish left: {left[:6]}")
    print(f"a game of two in English: {len(seen)} boxes, review {review.splitlines()[0]!r}", flush=True)


def against_the_computer(run, board, home):
    session = run.s
    session.focus(board.win)
    open_menu(run, board, "alt+n", "New game")
    session.key("c")  # Against the &computer…
    form = ax.wait_window(run.app, "Against the computer", roles=("dialog",))
    for key in ("Tab", "Tab", "Tab", "f"):  # the pace: Fast
        session.key(key)
    lists = [ax.name(c) for c in ax.by_role(form, "combo box")]
    run.check(lists == ["1", "1", "Medium: plays well but not flawlessly, about 222 points on average",
                       "Fast: a turn in a couple of seconds"],
              f"the form shows {lists}")
    left = swedish_left(run.app)
    run.check(not left, f"the form: Swedish left: {left[:6]}")
    session.key("Return")
    give_name(run, 1, "Ada", "What is the name of player {}?")
    wait_for(lambda: ax.name(board.players[1]) == "Computer 1", 5, "the computer's seat")

    over = {"en": lambda: game_over(board, "Game over"), "sv": lambda: game_over(board, "Spelet är slut")}
    language = "en"
    for turn in range(15):
        if turn == 4:
            switch_to_swedish(run, board, home)
            language = "sv"
        person_turn(run, board, "Ada", over[language])
        wait_for(lambda: ax.name(board.turn) == "Ada" or over[language](), 30, "the computer's turn")
    seen = answer_boxes(run, over["sv"])
    run.check(any(title == "Segrare" and text.startswith("Vinner gör ") for title, text in seen),
              f"the end of the game against the computer in Swedish: {seen}")


def switch_to_swedish(run, board, home):
    """File → Språk / Language → Svenska by mouse, at the start of the person's turn."""
    session = run.s
    session.focus(board.win)
    wait_for(lambda: ax.name(board.turn) == "Ada" and ax.has(board.roller, ax.FOCUSED), 30, "Ada's turn")
    before = board.game()
    run.check(ax.name(board.roller) == "Press", f"the roll button reads {ax.name(board.roller)!r} at a turn's start")
    file_menu = next(n for n in ax.children(board.menubar) if ax.name(n) == "File")
    session.click(*ax.centre(file_menu))
    popup = ax.children(file_menu)[0]
    languages = next(n for n in ax.children(popup) if ax.name(n) == "Språk / Language")
    wait_for(lambda: ax.has(languages, ax.SHOWING), 5, "the menu item Språk / Language")
    session.click(*ax.centre(languages))
    swedish = next(n for n in ax.descendants(languages) if ax.name(n) == "Svenska")
    wait_for(lambda: ax.has(swedish, ax.SHOWING), 5, "the menu item Svenska")
    session.click(*ax.centre(swedish))

    wait_for(lambda: board.menus() == ["Fil", "Nytt spel", "Hjälp"], 5, "the menus in Swedish")
    run.check(board.game() == before, f"the game changed with the language: {before} became {board.game()}")
    run.check(ax.name(board.roller) == "Tryck", f"the roll button reads {ax.name(board.roller)!r}")
    labels = {at: ax.name(board.labels[at]) for at in SWEDISH_LABELS}
    run.check(labels == SWEDISH_LABELS, f"the board's captions read {labels}")
    captions = {c: ax.name(b) for c, b in board.boxes.items()}
    run.check(captions == CATEGORIES, f"the category boxes read {captions}")
    titles = {title for _role, title, _acc in ax.windows(run.app)}
    run.check({SHEET["sv"], COACH, KEYS["sv"]} <= titles, f"the windows beside the board: {titles}")
    rows, _columns, marks, _cells = ax.table_cells(
        next(d for d in ax.descendants(ax.wait_window(run.app, SHEET["sv"])) if ax.role(d) == "table"))
    want = [CATEGORIES[c] for c in ROW_ORDER] + ["Övre summa", "Bonus", "Summa"]
    run.check(rows[:18] == want and marks == ["i tur", ""], f"the score sheet's rows {rows}, marks {marks}")
    coach = ax.wait_window(run.app, COACH)
    wait_for(lambda: ax.description(coach).startswith("Tips för Ada\n"), 5, "the coach in Swedish")
    run.check(board.players[1] and ax.name(board.players[1]) == "Computer 1", "the computer kept its name")
    store = configparser.ConfigParser()
    store.read(os.path.join(home, ".config", "Kolvo", "Kolvo.conf"))
    run.check(store.get("Preferences", "Language", fallback=None) == "sv", "the store does not keep Language=sv")
    run.shot("back in swedish")
    print("back to Swedish in the middle of a game against the computer: the design's texts, the game as it was",
          flush=True)


def english_then_swedish(session, program, problems, shots):
    home = session.new_home("home-language")
    os.makedirs(os.path.join(home, ".config", "Kolvo"))
    with open(os.path.join(home, ".config", "Kolvo", "Kolvo.conf"), "w") as f:
        f.write("[Preferences]\nLanguage=en\n")
    run = KolvoRun(session, program, home, problems, shots=shots, label="language")
    run.proc = session.launch(program, home, name="language")
    intro = session.wait_window(INTRO, 20)
    run.app = ax.find_app(run.proc.pid)
    frame = ax.wait_window(run.app, INTRO)
    order = ax.button(frame, "Continue")
    left = swedish_left(run.app)
    run.check(not left, f"the intro: Swedish left: {left}")
    session.focus(intro)
    wait_for(lambda: ax.has(order, ax.FOCUSED), 3, "Continue to have the focus")
    session.key("Return")
    setup = session.wait_window(SETUP)
    session.focus(setup)
    frame = ax.wait_window(run.app, session._name_of(setup))
    styles = ax.by_role(frame, "push button")
    wait_for(lambda: any(ax.has(b, ax.FOCUSED) for b in styles), 3, "a style button to have the focus")
    run.check([ax.name(b) for b in styles] == [f"Dice style {n}" for n in range(1, 7)],
              f"the style buttons are named {[ax.name(b) for b in styles]}")
    left = swedish_left(run.app)
    run.check(not left, f"the set-up window: Swedish left: {left}")
    session.key("space")
    wait_for(lambda: any(ax.name(d) == "Next" and ax.has(d, ax.FOCUSED) for d in ax.descendants(frame)), 5,
             "the sign Next to take the focus")
    session.key("Return")
    board = Board(run)
    left = swedish_left(run.app)
    run.check(not left, f"the board before a game: Swedish left: {left}")
    english_game_of_two(run, board)
    against_the_computer(run, board, home)
    run.exit_by_menu()


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
    play_reporting(session, problems, args.shots, "language-failure.png",
                   lambda: english_then_swedish(session, program, problems, args.shots))
    return problems.verdict("language", started)


if __name__ == "__main__":
    sys.exit(main())
