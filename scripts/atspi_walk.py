#!/usr/bin/python3
"""Reads the program as a screen reader does: through the AT-SPI tree.

Started by scripts/atspi_check.sh inside a session bus, on a virtual display. For each window
in WINDOWS it starts the program afresh (in a folder of its own), opens the window with the
keys a user would press on the menu, walks the window's accessible tree and checks that
- every focusable object has a name, and the name is a caption, not a figure;
- the window reports the frame or dialog role with its title as name (never "filler").
Table cells are read by the table's own headings and are not checked one by one.

Prints a table of focusable / named objects per window, and what the savings window reads
like (and the mortgage window), box by box, and after Calculate. Exits 1 when any check fails.
Usage: atspi_walk.py PROGRAM [--transcript]
(VANTORA_ATSPI_ONLY="Title,Title" reads only those windows.)
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

PROGRAM = os.path.realpath(sys.argv[1])
WAIT = float(os.environ.get("VANTORA_ATSPI_WAIT", "30"))

# Title, then the keys that open it from the menu (xdotool key names; "focus:NAME" gives the
# focus to the button of that name through the tree, as a screen reader user's review cursor
# does; "open:FILE" starts the program with that sample file, as the desktop opens it).
WINDOWS = [
    ("Vantora 95", []),
    ("Investment Growth Calculations", ["alt+s"]),
    ("401(k) Investment Growth Calculations", ["alt+4"]),
    ("Retirement Income Calculation", ["alt+r"]),
    ("Investment Growth Comparisons", ["alt+v"]),
    ("Amount of Annual Investment Required", ["alt+c"]),
    ("Monthly Payments on a Loan", ["focus:Payment on a Loan", "space"]),
    ("Mortgage Tables", ["alt+m"]),
    ("Fund Management Menu", ["alt+i"]),
    ("Net Worth Statement", ["alt+n"]),
    ("Find Annual Compound Rate", ["alt+f"]),
    ("Prosperon", ["focus:Prosperon", "space"]),
    ("How to Use the Program", ["alt+h"]),
    ("Personalize", ["alt+l"]),
    ("Investments made during each Year", ["alt+s", "wait:Investment Growth Calculations",
                                           "alt+y"]),
    ("Charts", ["alt+s", "wait:Investment Growth Calculations", "alt+c", "alt+s"]),
    ("Edit Funds", ["alt+i", "wait:Fund Management Menu", "alt+a"]),
    ("Current Prices", ["open:Dtasampl.WMS", "wait:Fund Management Menu", "alt+c"]),
    ("Select Fund to Display", ["open:Dtasampl.WMS", "wait:Fund Management Menu", "alt+d"]),
    ("Input", ["alt+i", "wait:Fund Management Menu", "alt+a", "wait:Edit Funds", "alt+f"]),
    ("Open", ["alt+i", "wait:Fund Management Menu", "focus:Open a File from Disk", "space"]),
]

FIGURE = re.compile(r"^[\s\d.,%()+\-$€£¥]*\d[\s\d.,%()+\-$€£¥]*$")
CELL_ROLES = {pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_COLUMN_HEADER, pyatspi.ROLE_ROW_HEADER,
              pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_TABLE_ROW_HEADER}
TABLE_ROLES = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST}


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=False, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


def wait_for(what, limit=WAIT):
    deadline = time.time() + limit
    while time.time() < deadline:
        try:
            found = what()
        except Exception:  # the tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.2)
    return None


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING) or \
        obj.getState().contains(pyatspi.STATE_VISIBLE)


def window(app, title):
    """The shown window of that title; the menu rather than the backdrop behind it."""
    found = []
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == title and showing(w):
            found.append(w)
    for w in found:
        if w.getState().contains(pyatspi.STATE_ACTIVE):
            return w
    return max(found, key=lambda w: w.childCount) if found else None


def descendants(obj, skip_tables=True):
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        if skip_tables and child.getRole() in TABLE_ROLES:
            continue
        yield from descendants(child, skip_tables)


def find(win, name, role=pyatspi.ROLE_PUSH_BUTTON):
    for obj in descendants(win):
        if obj.getRole() == role and obj.name == name:
            return obj
    return None


def value_of(obj):
    """What a screen reader reads after the name: the text of a box or a list, a result."""
    for o in [obj] + [obj.getChildAtIndex(i) for i in range(obj.childCount)]:
        try:
            text = o.queryText()
            return text.getText(0, text.characterCount)
        except NotImplementedError:
            continue
    return obj.description


def labelled_by(obj):
    for rel in obj.getRelationSet():
        if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [rel.getTarget(i).name for i in range(rel.getNTargets())]
    return []


def check_window(title, win, failures):
    focusable = named = 0
    missing = []
    role = win.getRoleName()
    if win.getRole() not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG):
        failures.append(f"{title}: the window's role is {role!r}")
    if win.name != title:
        failures.append(f"{title}: the window is named {win.name!r}")
    for obj in descendants(win):
        if obj.getRole() in CELL_ROLES:
            continue
        if not obj.getState().contains(pyatspi.STATE_FOCUSABLE):
            continue
        focusable += 1
        name = (obj.name or "").strip()
        if not name:
            missing.append(f"unnamed {obj.getRoleName()}")
        elif FIGURE.match(name):
            missing.append(f"{obj.getRoleName()} named by a figure {name!r}")
        else:
            named += 1
    for m in missing:
        failures.append(f"{title}: {m}")
    return focusable, named, role


def open_window(app, steps, title):
    for step in steps:
        if step.startswith("open:"):
            continue
        if step.startswith("wait:"):
            if not wait_for(lambda: window(app, step[5:])):
                return None
            time.sleep(0.3)
        elif step.startswith("focus:"):
            button = wait_for(lambda: next((find(app.getChildAtIndex(i), step[6:])
                                            for i in range(app.childCount)
                                            if find(app.getChildAtIndex(i), step[6:])), None))
            if not button:
                return None
            button.queryComponent().grabFocus()
            time.sleep(0.3)
        else:
            xdotool("key", "--clearmodifiers", step)
            time.sleep(0.4)
    return wait_for(lambda: window(app, title))


def transcript(app, win):
    print(f"\n{win.name} read through the tree:")
    for obj in descendants(win):
        if obj.getState().contains(pyatspi.STATE_FOCUSABLE) and obj.getRole() not in CELL_ROLES:
            rel = labelled_by(obj)
            extra = f" (labelled by {rel[0]!r})" if rel else ""
            value = value_of(obj) if obj.getRole() not in TABLE_ROLES else ""
            value = " ".join(value.split()) if value else ""
            print(f"  {obj.getRoleName()}: {obj.name!r}{extra}" + (f" = {value!r}" if value
                                                                      else ""))
    xdotool("key", "--clearmodifiers", "alt+c")
    time.sleep(2)
    print("  after Calculate:")
    for obj in descendants(win):
        if obj.getRole() == pyatspi.ROLE_LABEL and \
                obj.getState().contains(pyatspi.STATE_FOCUSABLE):
            print(f"    {obj.name!r} = {' '.join(obj.description.split())!r}")
        if obj.getRole() == pyatspi.ROLE_TABLE:
            try:
                table = obj.queryTable()
            except NotImplementedError:
                continue
            for r in (0, 1, 12):
                if r >= table.nRows:
                    continue
                cells = []
                for c in range(table.nColumns):
                    cell = table.getAccessibleAt(r, c)
                    heading = table.getColumnHeader(c)
                    head = " ".join((heading.name if heading else "").split())
                    cells.append(f"{head}: {' '.join((cell.name if cell else '').split())}")
                row_head = table.getRowHeader(r)
                row = " ".join((row_head.name if row_head else "").split())
                print(f"    {obj.name!r} row {r} [{row}] " + "; ".join(cells))


def main():
    failures = []
    rows = []
    want_transcript = "--transcript" in sys.argv
    only = [t for t in os.environ.get("VANTORA_ATSPI_ONLY", "").split(",") if t]
    for title, steps in WINDOWS:
        if only and title not in only:
            continue
        folder = tempfile.mkdtemp()
        shutil.copy(PROGRAM, os.path.join(folder, "vantora"))
        beside = os.path.dirname(PROGRAM)
        if os.path.isdir(os.path.join(beside, "help")):
            shutil.copytree(os.path.join(beside, "help"), os.path.join(folder, "help"))
        for sample in ("Dtasampl.WMS", "NetSampl.WMW"):
            if os.path.exists(os.path.join(beside, sample)):
                shutil.copy(os.path.join(beside, sample), folder)
        args = [s[5:] for s in steps if s.startswith("open:")]
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   ASAN_OPTIONS="detect_leaks=0")
        log = open(os.path.join(folder, "program.log"), "w")
        proc = subprocess.Popen(["./vantora", *args], cwd=folder, env=env, stdout=log,
                                stderr=subprocess.STDOUT)
        try:
            app = wait_for(lambda: application(proc.pid))
            first = "Fund Management Menu" if args else "Vantora 95"
            if not app or not wait_for(lambda: window(app, first)):
                failures.append(f"{title}: the program did not show its menu in the tree")
                rows.append((title, "-", "-", "not reached"))
                continue
            time.sleep(0.5)
            win = open_window(app, steps, title)
            if not win:
                failures.append(f"{title}: the window did not open")
                rows.append((title, "-", "-", "not reached"))
                continue
            time.sleep(0.5)
            focusable, named, role = check_window(title, win, failures)
            rows.append((title, focusable, named, role))
            if want_transcript and title in ("Investment Growth Calculations",
                                             "Mortgage Tables"):
                transcript(app, win)
        finally:
            proc.kill()
            proc.wait()
            log.close()
            shutil.rmtree(folder, ignore_errors=True)
    print("\n| Window | Focusable | Named | Role |")
    print("|---|---|---|---|")
    for r in rows:
        print(f"| {r[0]} | {r[1]} | {r[2]} | {r[3]} |")
    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
