# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading the program's windows over AT-SPI, the way a screen reader does.

Every read clears libatspi's cache of the object first, so what is returned is what
the program says now, not what it said when the object was first seen.
"""
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from kolvo_session import Failure, wait_for  # noqa: E402

SHOWING = Atspi.StateType.SHOWING
CHECKED = Atspi.StateType.CHECKED
ENABLED = Atspi.StateType.ENABLED
FOCUSED = Atspi.StateType.FOCUSED


def fresh(acc):
    try:
        acc.clear_cache()
    except Exception:
        pass
    return acc


def name(acc):
    return fresh(acc).get_name() or ""


def description(acc):
    return fresh(acc).get_description() or ""


def role(acc):
    return acc.get_role_name()


def states(acc):
    return fresh(acc).get_state_set()


def has(acc, state):
    return states(acc).contains(state)


def extents(acc):
    e = fresh(acc).get_extents(Atspi.CoordType.SCREEN)
    return e.x, e.y, e.width, e.height


def centre(acc):
    x, y, w, h = extents(acc)
    return x + w // 2, y + h // 2


def children(acc):
    """The children as they are now; one that went away while they were read (a box
    closing) is left out."""
    if acc is None:
        return []
    fresh(acc)
    kids = (acc.get_child_at_index(i) for i in range(acc.get_child_count()))
    return [k for k in kids if k is not None]


def descendants(acc):
    out = []
    stack = [acc]
    while stack:
        node = stack.pop()
        kids = children(node)
        out.extend(kids)
        stack.extend(reversed(kids))
    return out


def find_app(pid, timeout=15):
    def look():
        desktop = fresh(Atspi.get_desktop(0))
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        return None
    return wait_for(look, timeout, f"process {pid} on the accessibility bus", interval=0.1)


def windows(app):
    """The program's top-level accessibles that are on screen: (role, name, accessible)."""
    out = []
    for child in children(app):
        try:
            if has(child, SHOWING):
                out.append((role(child), name(child), child))
        except Exception:
            pass
    return out


def wait_window(app, title, roles=None, timeout=10):
    def look():
        for r, n, acc in windows(app):
            if n == title and (roles is None or r in roles):
                return acc
        return None
    return wait_for(look, timeout, f"the window {title!r} over AT-SPI")


COACH_TITLE = "Kolvo Tips"  # the coach's panel: a window beside the main one, not a dialog
KEYS_TITLE = "Kolvo Tangenter och tillägg"  # the keys window, beside the main one too


def dialogs(app):
    """Dialogs and message boxes on screen: (title, text, accessible). The text is the
    first label's, with line breaks as the label shows them."""
    out = []
    for r, n, acc in windows(app):
        if r in ("dialog", "alert", "frame") and n not in ("Kolvo 2003", "Protokoll", COACH_TITLE, KEYS_TITLE):
            try:
                labels = [d for d in descendants(acc) if role(d) == "label" and name(d)]
                text = name(labels[0]) if labels else ""
            except GLib.Error:  # a window going away while it is read
                continue
            if r == "frame" and not labels:
                continue
            out.append((n, text, acc))
    return out


def button(acc, caption):
    for d in descendants(acc):
        if role(d) == "push button" and name(d) == caption:
            return d
    raise Failure(f"no button {caption!r} in {name(acc)!r}")


def by_role(acc, wanted):
    return [d for d in descendants(acc) if role(d) == wanted]


def table_cells(acc):
    """A table as a screen reader walks it: the row headings, the column headings, each
    column heading's description, and {(row heading, column heading): (name, description)}."""
    fresh(acc)
    rows = Atspi.Table.get_n_rows(acc)
    columns = Atspi.Table.get_n_columns(acc)
    row_heads = [Atspi.Table.get_row_description(acc, r) or "" for r in range(rows)]
    column_heads = [Atspi.Table.get_column_description(acc, c) or "" for c in range(columns)]
    marks = []
    for c in range(columns):
        header = Atspi.Table.get_column_header(acc, c)
        marks.append(description(header) if header is not None else "")
    cells = {}
    for r in range(rows):
        for c in range(columns):
            cell = Atspi.Table.get_accessible_at(acc, r, c)
            cells[(row_heads[r], column_heads[c])] = (name(cell), description(cell))
    return row_heads, column_heads, marks, cells
