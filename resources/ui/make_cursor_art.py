#!/usr/bin/env python3
"""Draws the program's cursors over structure objects: 130 over a node, 133 over
a member, 134 over a load. Each is a 32 x 32 picture of the pointer with a small
sign of the object beside it; the hot spot is the pointer's tip at (1, 1)
(AStrakonCursors.cpp keeps the same). Writes cursor<id>.svg beside this script."""
import os

INK = "#000000"
PAPER = "#ffffff"
BLUE = "#2f6fb5"
RED = "#c0392b"

POINTER = (f'<path d="M1 1 V20 L6 15.5 L9.5 23 L12.5 21.5 L9 14.5 H15 Z" fill="{PAPER}" '
           f'stroke="{INK}" stroke-width="1.2" stroke-linejoin="round"/>')

SIGNS = {
    130: f'<circle cx="24" cy="24" r="5" fill="{PAPER}" stroke="{INK}" stroke-width="1.5"/>',
    133: (f'<path d="M15 30 L31 18" stroke="{BLUE}" stroke-width="3" stroke-linecap="round"/>'
          f'<circle cx="15.5" cy="29.5" r="2" fill="{INK}"/><circle cx="30.5" cy="18.5" r="2" fill="{INK}"/>'),
    134: (f'<path d="M24 14 V26" stroke="{RED}" stroke-width="2"/>'
          f'<path d="M24 31 L19.5 24 H28.5 Z" fill="{RED}"/>'),
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for cursor, sign in SIGNS.items():
        svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
               f'{sign}{POINTER}</svg>\n')
        with open(os.path.join(here, f"cursor{cursor}.svg"), "w", encoding="utf-8") as out:
            out.write(svg)


if __name__ == "__main__":
    main()
