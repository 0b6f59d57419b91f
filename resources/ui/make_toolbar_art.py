#!/usr/bin/env python3
"""Draws the program's toolbar pictures: one 16 x 15 image per command, left to
right in the order of toolbar resource 128 (StrakonResources.cpp lists the same
commands). Writes toolbar128.svg beside this script. Run it again after a
command is added to a toolbar."""
import os

W, H = 16, 15

# Colours of the families of commands.
INK = "#2b2b2b"
BLUE = "#2f6fb5"
RED = "#c0392b"
GREEN = "#2e8b3d"
ORANGE = "#d9822b"
GREY = "#8a8f96"
PAPER = "#ffffff"
STEEL = "#6d7f91"


def page(extra=""):
    return (f'<path d="M3 1.5 H10 L13 4.5 V13.5 H3 Z" fill="{PAPER}" stroke="{INK}"/>'
            f'<path d="M10 1.5 V4.5 H13" fill="none" stroke="{INK}"/>' + extra)


def magnifier(sign=""):
    s = (f'<circle cx="6.5" cy="6" r="4" fill="#e8f1fb" stroke="{INK}" stroke-width="1.2"/>'
         f'<path d="M9.5 9 L14 13.5" stroke="{INK}" stroke-width="2" stroke-linecap="round"/>')
    if sign in "+-":
        s += f'<path d="M4.5 6 H8.5" stroke="{BLUE}" stroke-width="1.3"/>'
    if sign == "+":
        s += f'<path d="M6.5 4 V8" stroke="{BLUE}" stroke-width="1.3"/>'
    return s


def badge(text, colour, size=7):
    return (f'<rect x="1.5" y="1.5" width="13" height="12" rx="2" fill="{colour}"/>'
            f'<text x="8" y="{7.5 + size * 0.36:.1f}" font-family="DejaVu Sans" font-weight="bold" '
            f'font-size="{size}" fill="{PAPER}" text-anchor="middle">{text}</text>')


def arrow(direction, colour=BLUE):
    if direction == "left":
        return (f'<path d="M13 11 C13 6 10 4 6 4 H3" fill="none" stroke="{colour}" stroke-width="1.6"/>'
                f'<path d="M1.5 4 L5 1 V7 Z" fill="{colour}"/>')
    return (f'<path d="M3 11 C3 6 6 4 10 4 H13" fill="none" stroke="{colour}" stroke-width="1.6"/>'
            f'<path d="M14.5 4 L11 1 V7 Z" fill="{colour}"/>')


def beam(nodes=True, colour=BLUE, wave=False):
    line = ('<path d="M2 11 Q5 5 8 9 T14 4" fill="none" stroke="{c}" stroke-width="1.6"/>' if wave else
            '<path d="M2 11 L14 4" stroke="{c}" stroke-width="1.6"/>').format(c=colour)
    if nodes:
        line += f'<circle cx="2.5" cy="11" r="1.6" fill="{INK}"/><circle cx="13.5" cy="4" r="1.6" fill="{INK}"/>'
    return line


def support(kind, rotation=0):
    # A node on a support, turned by rotation degrees.
    body = {
        "pin": f'<path d="M8 6 L4 11 H12 Z" fill="#f2d7a6" stroke="{INK}"/><path d="M3 12.5 H13" stroke="{INK}"/>',
        "roller": f'<path d="M8 6 L4.5 10 H11.5 Z" fill="#f2d7a6" stroke="{INK}"/>'
                  f'<circle cx="6" cy="11.5" r="1" fill="{INK}"/><circle cx="10" cy="11.5" r="1" fill="{INK}"/>'
                  f'<path d="M3 13.5 H13" stroke="{INK}"/>',
        "fixed": f'<path d="M3 9 H13" stroke="{INK}" stroke-width="2"/>'
                 + "".join(f'<path d="M{x} 9 L{x - 2} 12" stroke="{INK}"/>' for x in (5, 8, 11, 14)),
        "full": f'<rect x="4" y="8" width="8" height="4" fill="{GREY}" stroke="{INK}"/>',
    }[kind]
    node = f'<circle cx="8" cy="5.5" r="1.8" fill="{BLUE}" stroke="{INK}" stroke-width="0.6"/>'
    return f'<g transform="rotate({rotation} 8 7.5)">{body}</g>{node}'


def diagram(path, colour):
    return (f'<path d="M1.5 12.5 H14.5" stroke="{INK}" stroke-width="1.2"/>'
            f'<path d="{path}" fill="{colour}" fill-opacity="0.35" stroke="{colour}" stroke-width="1.2"/>')


GLYPHS = {
    57600: page(),
    57601: (f'<path d="M1.5 4 H6 L7.5 5.5 H13.5 V13 H1.5 Z" fill="#f4c95d" stroke="{INK}"/>'
            f'<path d="M1.5 13 L4 7.5 H15 L13.5 13 Z" fill="#f9de8e" stroke="{INK}"/>'),
    32897: (f'<rect x="2" y="1.5" width="12" height="12" rx="1" fill="{BLUE}" stroke="{INK}"/>'
            f'<rect x="4.5" y="2" width="7" height="4" fill="{PAPER}"/><rect x="4.5" y="8.5" width="7" height="4" fill="#dde6f0"/>'),
    57607: (f'<rect x="4" y="1.5" width="8" height="5" fill="{PAPER}" stroke="{INK}"/>'
            f'<rect x="1.5" y="6" width="13" height="5" rx="1" fill="{GREY}" stroke="{INK}"/>'
            f'<rect x="4" y="10" width="8" height="4" fill="{PAPER}" stroke="{INK}"/>'),
    57609: page(f'<circle cx="9.5" cy="9" r="3" fill="#e8f1fb" stroke="{INK}"/>'
                f'<path d="M11.5 11 L14.5 14" stroke="{INK}" stroke-width="1.6"/>'),
    32913: (f'<rect x="1.5" y="1.5" width="8" height="9" fill="{PAPER}" stroke="{INK}"/>'
            f'<rect x="6.5" y="4.5" width="8" height="9" fill="{PAPER}" stroke="{INK}"/>'
            f'<path d="M8 8 H13 M8 10 H13" stroke="{BLUE}"/>'),
    32914: page(f'<path d="M5 6 H11 M5 8.5 H11 M5 11 H9" stroke="{GREEN}"/>'),
    57643: arrow("left"),
    57644: arrow("right"),
    32878: (f'<rect x="1.5" y="1.5" width="13" height="12" fill="{PAPER}" stroke="{INK}"/>'
            f'<path d="M4 4.5 H7 M6 7.5 H10 M6 10.5 H10 M4.5 5 V10.5 H6 M4.5 7.5 H6" stroke="{BLUE}"/>'),
    32879: (f'<rect x="1.5" y="1.5" width="13" height="12" fill="{PAPER}" stroke="{INK}"/>'
            f'<rect x="1.5" y="8.5" width="13" height="5" fill="#dde6f0" stroke="{INK}"/>'
            f'<path d="M3.5 10.5 H11 M3.5 12 H9" stroke="{INK}" stroke-width="0.8"/>'),
    33026: (f'<path d="M12.5 8 A4.5 4.5 0 1 1 8 3.5 H10" fill="none" stroke="{RED}" stroke-width="1.6"/>'
            f'<path d="M9 0.5 L12.5 3.5 L9 6.5 Z" fill="{RED}"/>'),
    33032: (f'<path d="M4.5 5 H11.5 L14 13.5 H2 Z" fill="{STEEL}" stroke="{INK}"/>'
            f'<circle cx="8" cy="3.5" r="2" fill="none" stroke="{INK}"/>'),
    32880: badge("G", BLUE),
    32881: badge("L", ORANGE),
    32882: badge("R", GREEN),
    32883: badge("D", RED),
    32814: badge("\u03a3", INK, 10),
    32787: (f'<rect x="1.5" y="5" width="13" height="5" fill="{ORANGE}" stroke="{INK}"/>'),
    32788: (f'<rect x="1.5" y="5" width="13" height="5" fill="{GREEN}" stroke="{INK}"/>'),
    32886: beam(False) + f'<text x="9" y="14" font-family="DejaVu Sans" font-size="6" fill="{INK}">e</text>',
    32885: f'<circle cx="6" cy="7" r="3" fill="{BLUE}" stroke="{INK}"/>'
           f'<text x="10" y="14" font-family="DejaVu Sans" font-size="6" fill="{INK}">n</text>',
    32908: f'<circle cx="8" cy="7.5" r="2" fill="{BLUE}" stroke="{INK}"/>',
    32907: f'<circle cx="8" cy="7.5" r="5" fill="{BLUE}" stroke="{INK}"/>',
    32876: (f'<rect x="1.5" y="2.5" width="13" height="10" fill="{PAPER}" stroke="{INK}"/>'
            + "".join(f'<path d="M{x} 12.5 L{x + 5} 2.5" stroke="{GREY}"/>' for x in (1.5, 5.5, 9.5))),
    32777: magnifier() + f'<rect x="4" y="3.5" width="5" height="5" fill="none" stroke="{GREEN}"/>',
    32930: magnifier() + f'<path d="M4 6 H9 M6.5 3.5 V8.5" stroke="{GREEN}"/>',
    32772: magnifier() + f'<rect x="4" y="3.5" width="5" height="5" fill="none" stroke="{BLUE}" stroke-dasharray="1 1"/>',
    32773: magnifier("+"),
    32774: magnifier("-"),
    32775: magnifier() + f'<path d="M8.5 6 H4.5 M6 4.5 L4.5 6 L6 7.5" fill="none" stroke="{BLUE}"/>',
    32776: magnifier() + f'<path d="M4.5 6 H8.5 M7 4.5 L8.5 6 L7 7.5" fill="none" stroke="{BLUE}"/>',
    32925: (f'<path d="M13 7.5 A5 5 0 1 1 11 3.5" fill="none" stroke="{GREEN}" stroke-width="1.6"/>'
            f'<path d="M9.5 1 L13 3 L10 5.5 Z" fill="{GREEN}"/>'),
    32778: f'<path d="M4 1.5 V12.5 L6.5 10 L8.5 14 L10 13.2 L8 9.5 H11.5 Z" fill="{PAPER}" stroke="{INK}"/>',
    32779: (f'<rect x="1.5" y="1.5" width="13" height="12" fill="none" stroke="{BLUE}" stroke-dasharray="2 1"/>'
            f'<path d="M6 4 V11 L7.5 9.5 L9 12.5 L10 12 L8.7 9 H11 Z" fill="{PAPER}" stroke="{INK}" stroke-width="0.8"/>'),
    32781: (f'<path d="M8 1 V14 M1.5 7.5 H14.5" stroke="{INK}" stroke-width="1.2"/>'
            f'<path d="M8 0.5 L6 3 H10 Z M8 14.5 L6 12 H10 Z M0.5 7.5 L3 5.5 V9.5 Z M15.5 7.5 L13 5.5 V9.5 Z" fill="{INK}"/>'),
    32782: beam(),
    32783: beam(wave=True, colour=RED),
    32792: beam(False) + "".join(f'<path d="M{x} {12 - (x - 2) * 7 / 12:.1f} v3" stroke="{GREEN}"/>' for x in (3, 6, 9, 12)),
    32793: beam(False) + f'<circle cx="8" cy="7.5" r="2" fill="{PAPER}" stroke="{RED}" stroke-width="1.2"/>',
    32784: f'<circle cx="8" cy="7.5" r="3" fill="{BLUE}" stroke="{INK}"/><path d="M12 2 V6 M10 4 H14" stroke="{GREEN}" stroke-width="1.4"/>',
    32871: support("roller", 90) + f'<text x="1" y="6" font-family="DejaVu Sans" font-size="6" fill="{RED}">x</text>',
    32872: support("roller") + f'<text x="1" y="6" font-family="DejaVu Sans" font-size="6" fill="{RED}">z</text>',
    32873: support("fixed") + f'<path d="M12.5 2.5 A3 3 0 1 1 9 1.5" fill="none" stroke="{RED}"/>',
    32786: (f'<path d="M3 2 H13 V4 H9 V11 H13 V13 H3 V11 H7 V4 H3 Z" fill="{STEEL}" stroke="{INK}" stroke-width="0.8"/>'),
    32785: (f'<rect x="1.5" y="3" width="6" height="4" fill="#c96f4b" stroke="{INK}"/>'
            f'<rect x="8.5" y="3" width="6" height="4" fill="#c96f4b" stroke="{INK}"/>'
            f'<rect x="4.5" y="8" width="7" height="4" fill="#c96f4b" stroke="{INK}"/>'),
    32815: (f'<rect x="2.5" y="2.5" width="11" height="10" fill="none" stroke="{ORANGE}" stroke-width="1.2"/>'
            f'<path d="M2.5 2.5 L5 5 M13.5 12.5 L11 10" stroke="{ORANGE}"/>'),
    32848: f'<path d="M3 2 V13 H14" fill="none" stroke="{INK}" stroke-width="1.6"/><path d="M3 9 H7 V13" fill="none" stroke="{BLUE}"/>',
    32960: support("pin") + f'<path d="M2 2 L14 13 M14 2 L2 13" stroke="{RED}" stroke-width="1.6"/>',
    32944: support("roller", 90),
    32945: support("roller", 270),
    32946: support("roller", 0),
    32947: support("roller", 180),
    32948: support("pin", 0),
    32949: support("pin", 90),
    32950: support("pin", 180),
    32951: support("pin", 270),
    32952: support("full", 0),
    32953: support("full", 90),
    32954: support("full", 180),
    32955: support("full", 270),
    32794: f'<path d="M8 1 V10" stroke="{RED}" stroke-width="1.6"/><path d="M8 14 L5 9 H11 Z" fill="{RED}"/>',
    32795: f'<path d="M2 12 H14" stroke="{INK}"/><path d="M8 2 V9" stroke="{GREEN}" stroke-width="1.6"/><path d="M8 12 L5.5 8 H10.5 Z" fill="{GREEN}"/>',
    32796: f'<path d="M1.5 13 H14.5" stroke="{INK}" stroke-width="1.4"/><rect x="1.5" y="4" width="13" height="3" fill="{RED}" fill-opacity="0.3" stroke="{RED}"/>'
           + "".join(f'<path d="M{x} 7 V12" stroke="{RED}"/>' for x in (3, 6, 9, 12)),
    32798: f'<path d="M1.5 13 H14.5" stroke="{INK}" stroke-width="1.4"/><rect x="5.5" y="4" width="7" height="3" fill="{RED}" fill-opacity="0.3" stroke="{RED}"/>'
           + "".join(f'<path d="M{x} 7 V12" stroke="{RED}"/>' for x in (7, 10)),
    32799: (f'<rect x="6.5" y="1.5" width="3" height="9" rx="1.5" fill="{PAPER}" stroke="{INK}"/>'
            f'<circle cx="8" cy="11.5" r="2.5" fill="{RED}" stroke="{INK}"/><path d="M8 5 V11" stroke="{RED}" stroke-width="1.4"/>'),
    32860: diagram("M1.5 12.5 Q8 1 14.5 12.5 Z", RED),
    32859: diagram("M1.5 12.5 V7 H14.5 V12.5 Z", GREEN),
    32858: diagram("M1.5 12.5 V6 L14.5 10 V12.5 Z", BLUE),
    32856: diagram("M1.5 12.5 Q8 20 14.5 12.5 Q8 6 1.5 12.5 Z", ORANGE),
    32891: diagram("M1.5 12.5 Q5 4 8 9 T14.5 12.5 Z", ORANGE),
    32857: diagram("M1.5 12.5 Q5 4 8 12.5 Q11 21 14.5 12.5 Z", GREY),
    32771: f'<path d="M1.5 6 H14.5" stroke="{INK}" stroke-width="1.4"/>'
           + "".join(f'<path d="M{x} 7 V{9 + (x % 4)}" stroke="{GREEN}" stroke-width="1.2"/>' for x in (3, 6, 9, 12)),
    32869: diagram("M1.5 12.5 Q8 0 14.5 12.5 Z", RED) + f'<path d="M12 1 V5 M10 3 H14" stroke="{INK}"/>',
    32870: diagram("M1.5 12.5 Q8 7 14.5 12.5 Z", RED) + f'<path d="M10 3 H14" stroke="{INK}"/>',
    32987: (f'<rect x="1.5" y="3.5" width="13" height="7" rx="1" fill="#fff6c7" stroke="{INK}"/>'
            f'<text x="8" y="9.3" font-family="DejaVu Sans" font-size="5.5" fill="{INK}" text-anchor="middle">1.2</text>'),
    33019: badge("\u2211D", RED, 6),
    33021: badge("D", RED),
    33025: badge("ULS", INK, 5),
    33024: badge("SLS", GREY, 5),
    32999: f'<rect x="1.5" y="4" width="13" height="7" fill="#d9d9d9" stroke="{INK}"/><path d="M3 5.5 H13" stroke="{RED}" stroke-width="1.4"/>',
    32998: f'<rect x="1.5" y="4" width="13" height="7" fill="#d9d9d9" stroke="{INK}"/><path d="M3 9.5 H13" stroke="{RED}" stroke-width="1.4"/>',
    33000: f'<rect x="1.5" y="4" width="13" height="7" fill="#d9d9d9" stroke="{INK}"/>'
           + "".join(f'<path d="M{x} 5 V10" stroke="{RED}"/>' for x in (4, 7, 10, 13)),
    33027: f'<path d="M3 2 H13 V4 H9 V11 H13 V13 H3 V11 H7 V4 H3 Z" fill="#b0bfcc" stroke="{INK}" stroke-width="0.8"/>'
           f'<circle cx="12.5" cy="12" r="2.5" fill="{GREEN}"/>',
    33015: badge("\u03b3", ORANGE, 9),
    33031: support("pin") + f'<path d="M3 1.5 H13 M3 0.5 V2.5 M13 0.5 V2.5" stroke="{BLUE}"/>',
}

# The commands of toolbar resource 128, in order.
ORDER = [57600, 57601, 32897, 57607, 57609, 32913, 32914, 57643, 57644, 32878, 32879, 33026, 33032,
         32880, 32881, 32882, 32883, 32814,
         32787, 32788, 32886, 32885, 32908, 32907, 32876, 32777, 32930, 32772, 32773, 32774, 32775, 32776, 32925,
         32778, 32779, 32781, 32782, 32783, 32792, 32793, 32784, 32871, 32872, 32873, 32786, 32785, 32815, 32848,
         32960, 32944, 32945, 32946, 32947, 32948, 32949, 32950, 32951, 32952, 32953, 32954, 32955,
         32794, 32795, 32796, 32798, 32799,
         32860, 32859, 32858, 32856, 32891, 32857, 32771, 32869, 32870, 32987,
         33019, 33021, 33025, 33024, 32999, 32998, 33000, 33027, 33015, 33031]


def main():
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{W * len(ORDER)}" height="{H}" '
             f'viewBox="0 0 {W * len(ORDER)} {H}">']
    for index, command in enumerate(ORDER):
        parts.append(f'<g transform="translate({index * W} 0)"><!-- {command} -->{GLYPHS[command]}</g>')
    parts.append('</svg>')
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "toolbar128.svg"), "w", encoding="utf-8") as out:
        out.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    main()
