#!/usr/bin/python3
"""Writes the pictures of the cross-section shapes that the section pages show.

Each picture is an SVG drawing of one shape with its dimension lines and the
letters of the dimensions as the page labels them. The pages read them as
resources of type "METAFILE" (215 own-dimension I, 216 rectangle, 217 circle,
218 T, 219 catalogue I, 260 tube, 262 box).

    /usr/bin/python3 resources/tools/make_section_pictures.py [folder]

Without an argument the files go to resources/ui/sections/.
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
W, H = 220, 200
FILL = "#b8c8dc"
STROKE = "#1a2a44"
DIM = "#a01818"


def svg(body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">\n'
            f'<rect x="0" y="0" width="{W}" height="{H}" fill="#ffffff"/>\n'
            f'<defs><marker id="a" markerWidth="8" markerHeight="8" refX="4" refY="4" orient="auto">'
            f'<path d="M0,1 L8,4 L0,7 z" fill="{DIM}"/></marker></defs>\n'
            + body + "</svg>\n")


def poly(points):
    pts = " ".join(f"{x},{y}" for x, y in points)
    return f'<polygon points="{pts}" fill="{FILL}" stroke="{STROKE}" stroke-width="2"/>\n'


def dim(x1, y1, x2, y2, letter, lx, ly):
    """A dimension line with arrows at both ends and its letter."""
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{DIM}" stroke-width="1.2" '
            f'marker-start="url(#a)" marker-end="url(#a)"/>\n'
            f'<text x="{lx}" y="{ly}" font-family="DejaVu Sans, sans-serif" font-size="15" font-style="italic" '
            f'fill="{DIM}" text-anchor="middle">{letter}</text>\n')


def axes():
    return (f'<line x1="20" y1="100" x2="200" y2="100" stroke="#708090" stroke-dasharray="6,3"/>\n'
            f'<line x1="110" y1="12" x2="110" y2="188" stroke="#708090" stroke-dasharray="6,3"/>\n')


def i_section(catalogue):
    # Flanges 100 wide and 14 thick, web 10 thick, height 150.
    l, r, t, b, web = 60, 160, 25, 175, 5
    body = poly([(l, t), (r, t), (r, t + 14), (110 + web, t + 14), (110 + web, b - 14), (r, b - 14), (r, b),
                 (l, b), (l, b - 14), (110 - web, b - 14), (110 - web, t + 14), (l, t + 14)])
    body += axes()
    if catalogue:
        body += dim(l, 14, r, 14, "b", 110, 11)
        body += dim(30, t, 30, b, "h", 22, 104)
        body += ('<text x="182" y="190" font-family="DejaVu Sans, sans-serif" font-size="13" fill="#1a2a44" '
                 'text-anchor="middle">IPE, HE</text>\n')
    else:
        body += dim(l, 14, r, 14, "b", 110, 11)
        body += dim(30, t, 30, b, "h", 22, 104)
        body += dim(175, t, 175, t + 14, "d", 186, t + 12)
        body += dim(110 - web, 150, 110 + web, 150, "t", 130, 146)
        body += dim(110 + web, 58, 135, 58, "w", 128, 54)
    return svg(body)


def rectangle():
    body = poly([(70, 30), (150, 30), (150, 170), (70, 170)]) + axes()
    body += dim(70, 18, 150, 18, "b", 110, 14)
    body += dim(45, 30, 45, 170, "h", 36, 104)
    return svg(body)


def circle():
    body = f'<circle cx="110" cy="100" r="70" fill="{FILL}" stroke="{STROKE}" stroke-width="2"/>\n' + axes()
    body += dim(60.5, 149.5, 159.5, 50.5, "D", 150, 150)
    return svg(body)


def tube():
    body = (f'<circle cx="110" cy="100" r="70" fill="{FILL}" stroke="{STROKE}" stroke-width="2"/>\n'
            f'<circle cx="110" cy="100" r="56" fill="#ffffff" stroke="{STROKE}" stroke-width="2"/>\n') + axes()
    body += dim(40, 190, 180, 190, "D", 110, 186)
    body += dim(166, 100, 180, 100, "t", 196, 96)
    return svg(body)


def box():
    # Flanges reach c beyond the webs; w is the weld.
    body = poly([(45, 30), (175, 30), (175, 42), (45, 42)])
    body += poly([(45, 158), (175, 158), (175, 170), (45, 170)])
    body += poly([(65, 42), (75, 42), (75, 158), (65, 158)])
    body += poly([(145, 42), (155, 42), (155, 158), (145, 158)])
    body += axes()
    body += dim(65, 20, 155, 20, "b", 110, 15)
    body += dim(25, 30, 25, 170, "h", 16, 104)
    body += dim(145, 120, 155, 120, "t", 150, 114)
    body += dim(190, 158, 190, 170, "d", 202, 168)
    body += dim(155, 52, 175, 52, "c", 167, 66)
    body += ('<polygon points="75,42 82,42 75,49" fill="#1a2a44"/>\n'
             '<text x="90" y="58" font-family="DejaVu Sans, sans-serif" font-size="15" font-style="italic" '
             f'fill="{DIM}">w</text>\n')
    return svg(body)


def t_section():
    body = poly([(50, 30), (170, 30), (170, 50), (118, 50), (118, 170), (102, 170), (102, 50), (50, 50)])
    body += axes()
    body += dim(50, 18, 170, 18, "b", 110, 14)
    body += dim(30, 30, 30, 170, "h", 22, 104)
    body += dim(185, 30, 185, 50, "tf", 200, 45)
    body += dim(102, 182, 118, 182, "tw", 140, 190)
    return svg(body)


PICTURES = {
    "dsi.svg": lambda: i_section(False),
    "dsi_standard.svg": lambda: i_section(True),
    "rectangle.svg": rectangle,
    "circle.svg": circle,
    "tube.svg": tube,
    "box.svg": box,
    "t.svg": t_section,
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "ui", "sections")
    os.makedirs(folder, exist_ok=True)
    for name, make in PICTURES.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
            f.write(make())


if __name__ == "__main__":
    main()
