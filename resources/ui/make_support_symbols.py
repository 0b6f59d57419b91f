#!/usr/bin/env python3
"""Draws the natural support symbols of the node sheet: bitmaps 199 (roller),
200 (pin) and 201 (clamp). Each is a strip of four 30 x 30 images, the symbol
turned by 0, 90, 180 and 270 degrees, on magenta, which the sheet shows as
transparent. Writes support199.svg, support200.svg and support201.svg beside
this script."""
import os

SIZE = 30
MAGENTA = "#ff00ff"
INK = "#1f1f1f"
FILL = "#3c78c8"
PAPER = "#ffffff"


def hatch(y, x0=4, x1=26):
    # The ground line with short strokes under it.
    s = f'<path d="M{x0} {y} H{x1}" stroke="{INK}" stroke-width="1.5"/>'
    for x in range(x0 + 2, x1 + 1, 4):
        s += f'<path d="M{x} {y} L{x - 3} {y + 4}" stroke="{INK}" stroke-width="1"/>'
    return s


def node():
    return f'<circle cx="15" cy="8" r="3" fill="{PAPER}" stroke="{INK}" stroke-width="1.5"/>'


def pin():
    # A triangle under the node on hatched ground.
    return (f'<path d="M15 10 L8 21 H22 Z" fill="{FILL}" stroke="{INK}" stroke-width="1.2"/>' + hatch(22) + node())


def roller():
    # The triangle on two wheels, the ground line below them.
    return (f'<path d="M15 10 L9 19 H21 Z" fill="{FILL}" stroke="{INK}" stroke-width="1.2"/>'
            f'<circle cx="11.5" cy="21.5" r="2" fill="{PAPER}" stroke="{INK}"/>'
            f'<circle cx="18.5" cy="21.5" r="2" fill="{PAPER}" stroke="{INK}"/>' + hatch(24.5) + node())


def clamp():
    # The node held by a block that sits on the ground.
    return (f'<rect x="9" y="8" width="12" height="12" fill="{FILL}" stroke="{INK}" stroke-width="1.2"/>'
            + hatch(21) + f'<circle cx="15" cy="8" r="3" fill="{INK}"/>')


def strip(symbol):
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{4 * SIZE}" height="{SIZE}" '
             f'viewBox="0 0 {4 * SIZE} {SIZE}">', f'<rect width="{4 * SIZE}" height="{SIZE}" fill="{MAGENTA}"/>']
    for i, angle in enumerate((0, 90, 180, 270)):
        # Angles count counter-clockwise on the screen, as the structure views turn the symbols.
        parts.append(f'<g transform="translate({i * SIZE} 0) rotate({-angle} 15 15)">{symbol()}</g>')
    parts.append('</svg>\n')
    return "".join(parts)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for number, symbol in ((199, roller), (200, pin), (201, clamp)):
        with open(os.path.join(here, f"support{number}.svg"), "w", encoding="utf-8") as f:
            f.write(strip(symbol))


if __name__ == "__main__":
    main()
