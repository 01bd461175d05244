#!/usr/bin/env python3
"""Walks Kerwano's AT-SPI tree (started by tools/dostepnosc.sh) and prints
its inputs, pictures and results with their roles and names; the next
page is shown with Ctrl+Tab. (The element dialog's names are checked in
process by tst_program_form.)"""
import subprocess
import sys
import time

import pyatspi

WEJSCIA = {"combo box", "text", "entry", "spin button", "password text"}


def program():
    for _ in range(100):
        pulpit = pyatspi.Registry.getDesktop(0)
        for i in range(pulpit.childCount):
            a = pulpit.getChildAtIndex(i)
            if a is not None and a.name.lower().startswith("kerwano"):
                return a
        time.sleep(0.2)
    sys.exit("kerwano: no application on the accessibility bus")


def drzewo(wezel, glebokosc=0):
    yield wezel, glebokosc
    for i in range(wezel.childCount):
        dziecko = wezel.getChildAtIndex(i)
        if dziecko is not None:
            yield from drzewo(dziecko, glebokosc + 1)


def pokaz(aplikacja, tytul):
    print(f"== {tytul}")
    bledy = 0
    for w, g in drzewo(aplikacja):
        rola = w.getRoleName()
        stan = w.getState()
        if not stan.contains(pyatspi.STATE_SHOWING):
            continue
        nazwa = w.name or ""
        opis = w.description or ""
        # Inputs, and whatever is described: pictures, the chart, its
        # panel, the results.
        if rola in WEJSCIA or opis:
            print(f"  {rola:12} {nazwa!r}" + (f"  [{opis}]" if opis else ""))
        if rola in WEJSCIA and not nazwa.strip():
            print("    ^ no name")
            bledy += 1
        # Any control Tab stops on, and any table, says what it is.
        elif (stan.contains(pyatspi.STATE_FOCUSABLE) or rola == "table") \
                and not nazwa.strip() and rola not in ("table cell", "menu item"):
            rodzic = w.parent
            print(f"  {rola:12} ''  ^ no name (in {rodzic.getRoleName()} {rodzic.name!r})")
            bledy += 1
        # A result read in pieces: a lone "d" or "≥" label.
        if rola == "label" and nazwa in ("d", "≥", "α"):
            print("    ^ a piece of a result")
            bledy += 1
    return bledy


def klawisze(*k):
    for klawisz in k:
        subprocess.run(["xdotool", "key", "--delay", "80", klawisz], check=False)
        time.sleep(0.6)


def main():
    aplikacja = program()
    time.sleep(1)
    okno = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Kerwano"],
                          capture_output=True, text=True).stdout.split()
    if okno:
        subprocess.run(["xdotool", "windowfocus", okno[0]], check=False)
    bledy = pokaz(aplikacja, "page 1")
    klawisze("ctrl+Tab")
    bledy += pokaz(aplikacja, "page 2")
    klawisze("ctrl+Tab")
    bledy += pokaz(aplikacja, "page 3")
    # The class sheet, from page 1's button: each value a sentence.
    klawisze("ctrl+Tab", "alt+z")
    print("== class sheet")
    zdania = 0
    for w, _ in drzewo(aplikacja):
        nazwa = w.name or ""
        if w.getState().contains(pyatspi.STATE_SHOWING) and \
                w.getRoleName() in ("static", "label") and ": " in nazwa:
            print(f"  {w.getRoleName():12} {nazwa!r}")
            zdania += 1
    if zdania < 11:
        print(f"  ^ {zdania} sentences, 11 expected")
        bledy += 1
    klawisze("Escape")
    sys.exit(1 if bledy else 0)


if __name__ == "__main__":
    main()
