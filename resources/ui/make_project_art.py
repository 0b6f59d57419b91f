#!/usr/bin/env python3
"""Draws the project window's pictures: the four tab icons (161 Geometry, 162
Loads, 163 Results, 256 Design; 16 x 16) and the four image strips of its trees
(171 Geometry, 172 Loads, 169 Results, 173 Design; twenty 16 x 16 images side
by side, indexed as the trees use them). Writes project<id>.svg beside this
script. Pure white stands for transparency in the strips, so the pictures use
an off-white paper colour."""
import os

S = 16
INK = "#2b2b2b"
BLUE = "#2f6fb5"
RED = "#c0392b"
GREEN = "#2e8b3d"
ORANGE = "#d9822b"
GREY = "#8a8f96"
PAPER = "#fdfdf8"
YELLOW = "#f4c95d"
BROWN = "#9a6b3c"
CONCRETE = "#b9b4aa"


def folder(colour=YELLOW, mark=""):
    return (f'<path d="M1.5 4 H6 L7.5 5.5 H14.5 V13.5 H1.5 Z" fill="{colour}" stroke="{INK}"/>'
            f'<path d="M1.5 7 H14.5" stroke="{INK}" stroke-opacity="0.4"/>' + mark)


def small_mark(svg):
    # A small badge in the folder's lower right corner.
    return f'<g transform="translate(7 7) scale(0.55)">{svg}</g>'


def project():
    return (f'<rect x="2.5" y="1.5" width="11" height="13" fill="{PAPER}" stroke="{INK}"/>'
            f'<path d="M4.5 5 H11.5 M4.5 8 H11.5 M4.5 11 H9" stroke="{BLUE}"/>')


def structure():
    return (f'<path d="M3 13.5 V5 H13 V13.5" fill="none" stroke="{BLUE}" stroke-width="1.6"/>'
            f'<path d="M3 5 L8 2 L13 5" fill="none" stroke="{BLUE}" stroke-width="1.2"/>'
            f'<path d="M1.5 14 H5 M11 14 H14.5" stroke="{INK}" stroke-width="1.2"/>')


def window(inner=""):
    return (f'<rect x="1.5" y="2.5" width="13" height="11" fill="{PAPER}" stroke="{INK}"/>'
            f'<rect x="1.5" y="2.5" width="13" height="2.5" fill="{BLUE}"/>' + inner)


def beam(colour=BLUE, wave=False):
    if wave:
        return f'<path d="M2 12 Q5 4 8 9 T14 4" fill="none" stroke="{colour}" stroke-width="1.8"/>'
    return (f'<path d="M2.5 12 L13.5 4" stroke="{colour}" stroke-width="1.8"/>'
            f'<circle cx="2.5" cy="12" r="1.5" fill="{INK}"/><circle cx="13.5" cy="4" r="1.5" fill="{INK}"/>')


def node(supported=False):
    s = f'<circle cx="8" cy="6" r="3" fill="{BLUE}" stroke="{INK}"/>'
    if supported:
        s = (f'<path d="M8 8 L4 13 H12 Z" fill="#f2d7a6" stroke="{INK}"/>'
             f'<path d="M3 14.5 H13" stroke="{INK}"/>' + s)
    return s


def section():
    return (f'<path d="M3 2.5 H13 V4.5 H9 V11.5 H13 V13.5 H3 V11.5 H7 V4.5 H3 Z" fill="{GREY}" stroke="{INK}" '
            f'stroke-width="0.8"/>')


def material(colour=CONCRETE):
    return (f'<path d="M2 6 L8 3 L14 6 L8 9 Z" fill="{colour}" stroke="{INK}" stroke-width="0.8"/>'
            f'<path d="M2 6 V11 L8 14 V9 Z" fill="{colour}" stroke="{INK}" stroke-width="0.8" fill-opacity="0.8"/>'
            f'<path d="M14 6 V11 L8 14 V9 Z" fill="{colour}" stroke="{INK}" stroke-width="0.8" '
            f'fill-opacity="0.6"/>')


def arrow(colour=RED):
    return (f'<path d="M8 1.5 V10" stroke="{colour}" stroke-width="1.8"/>'
            f'<path d="M4.5 8 L8 13 L11.5 8 Z" fill="{colour}"/>'
            f'<path d="M2 14.5 H14" stroke="{INK}"/>')


def diagram(colour=GREEN):
    return (f'<path d="M1.5 10 H14.5" stroke="{INK}" stroke-width="1.2"/>'
            f'<path d="M1.5 10 Q8 0 14.5 10 Z" fill="{colour}" fill-opacity="0.4" stroke="{colour}"/>')


def envelope():
    return (f'<path d="M1.5 8 H14.5" stroke="{INK}"/>'
            f'<path d="M1.5 8 Q8 0 14.5 8" fill="none" stroke="{RED}" stroke-width="1.3"/>'
            f'<path d="M1.5 8 Q8 16 14.5 8" fill="none" stroke="{BLUE}" stroke-width="1.3"/>')


def check(colour=GREEN):
    return f'<path d="M3 8.5 L6.5 12 L13 4" fill="none" stroke="{colour}" stroke-width="2.2"/>'


def member(colour):
    return (f'<rect x="1.5" y="6" width="13" height="4.5" fill="{colour}" stroke="{INK}"/>'
            f'<path d="M4 6 V10.5 M8 6 V10.5 M12 6 V10.5" stroke="{INK}" stroke-opacity="0.35"/>')


def steel_member():
    return (f'<path d="M1.5 5 H14.5 V6.5 H1.5 Z M7 6.5 H9 V10 H7 Z M1.5 10 H14.5 V11.5 H1.5 Z" fill="{STEEL}" '
            f'stroke="{INK}" stroke-width="0.7"/>')


STEEL = "#6d7f91"
TIMBER = "#c79a5b"


def timber_member():
    return (f'<rect x="1.5" y="5.5" width="13" height="5.5" rx="1" fill="{TIMBER}" stroke="{INK}"/>'
            f'<path d="M3 7.5 Q8 6 13 7.5 M3 9.5 Q8 8 13 9.5" fill="none" stroke="{BROWN}" stroke-width="0.8"/>')


def none_member():
    return (member("#d8d8d8") +
            f'<path d="M4 3 L12 13.5 M12 3 L4 13.5" stroke="{RED}" stroke-width="1.4"/>')


def manager(inner):
    return (f'<rect x="1.5" y="1.5" width="13" height="13" rx="1.5" fill="{PAPER}" stroke="{INK}"/>'
            f'<g transform="translate(2 2) scale(0.75)">{inner}</g>')


STRIPS = {
    171: [project(), structure(), window(f'<g transform="translate(3 5) scale(0.6)">{beam()}</g>'),
          folder(mark=small_mark(beam())), folder(mark=small_mark(beam())), beam(),
          folder(mark=small_mark(beam(ORANGE, True))), beam(ORANGE, True),
          folder(mark=small_mark(node())), folder(mark=small_mark(node())), node(),
          folder(mark=small_mark(node(True))), node(True),
          folder(mark=small_mark(section())), section(), folder(mark=small_mark(material())), material()],
    172: [project(), structure(), manager(arrow() + f'<g transform="translate(8 0)">{arrow(BLUE)}</g>'),
          folder(mark=small_mark(arrow())), arrow()],
    169: [project(), structure(), folder(mark=small_mark(diagram())), diagram(),
          manager(envelope()), folder(mark=small_mark(envelope())), envelope()],
    173: [project(), structure(), window(f'<g transform="translate(3 5) scale(0.6)">{check()}</g>'),
          folder(mark=small_mark(member(CONCRETE))), member(CONCRETE),
          folder(mark=small_mark(steel_member())), steel_member(),
          folder(mark=small_mark(timber_member())), timber_member(),
          folder(mark=small_mark(none_member())), none_member()],
}

ICONS = {
    161: beam() + '<path d="M1 14.5 H15" stroke="#2b2b2b"/>',
    162: arrow(),
    163: diagram(),
    256: check() + f'<path d="M2 14.5 H14" stroke="{INK}"/>',
}


def svg(width, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{S}" viewBox="0 0 {width} {S}">'
            f'{body}</svg>\n')


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for ident, pictures in STRIPS.items():
        body = "".join(f'<g transform="translate({i * S} 0)">{p}</g>' for i, p in enumerate(pictures))
        with open(os.path.join(here, f"project{ident}.svg"), "w") as f:
            f.write(svg(20 * S, body))
    for ident, picture in ICONS.items():
        with open(os.path.join(here, f"project{ident}.svg"), "w") as f:
            f.write(svg(S, picture))


if __name__ == "__main__":
    main()
