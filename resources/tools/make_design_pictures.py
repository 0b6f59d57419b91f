#!/usr/bin/python3
"""Writes the pictures and icons of the design dialogs.

The bar editor shows a concrete section with three rows of bars and the cover
(resource 270 for the bottom band, 271 for the top band); the stirrup editor
shows the legs of a stirrup with the bar diameter Fi and the spacing e (272).
The dialogs read them as resources of type "METAFILE". The icons are those of
the "Material ..." button (281) and of the load positions above (283), below
(284) and at (285) the shear centre.

    /usr/bin/python3 resources/tools/make_design_pictures.py [folder]

Without an argument the files go to resources/ui/design/.
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CONCRETE = "#c8c8c0"
STROKE = "#2a2a2a"
STEEL = "#a01818"
DIM = "#1a3a8a"
FONT = 'font-family="DejaVu Sans, sans-serif"'


def svg(w, h, body, background=True):
    back = f'<rect x="0" y="0" width="{w}" height="{h}" fill="#ffffff"/>\n' if background else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            + back
            + f'<defs><marker id="a" markerWidth="8" markerHeight="8" refX="4" refY="4" orient="auto">'
            f'<path d="M0,1 L8,4 L0,7 z" fill="{DIM}"/></marker></defs>\n'
            + body + "</svg>\n")


def text(x, y, s, size=13, anchor="middle", color=DIM, italic=False):
    style = ' font-style="italic"' if italic else ""
    return (f'<text x="{x}" y="{y}" {FONT} font-size="{size}"{style} fill="{color}" '
            f'text-anchor="{anchor}">{s}</text>\n')


def dim(x1, y1, x2, y2):
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{DIM}" stroke-width="1.2" '
            f'marker-start="url(#a)" marker-end="url(#a)"/>\n')


def section(bottom):
    """A rectangular section 120 x 150 with three rows of bars at the bottom (or top) face."""
    left, top, right, base = 50, 20, 170, 170
    body = f'<rect x="{left}" y="{top}" width="{right - left}" height="{base - top}" fill="{CONCRETE}" ' \
           f'stroke="{STROKE}" stroke-width="2"/>\n'
    cover = 14
    rows = []
    for row in range(3):
        offset = cover + 6 + row * 16
        y = base - offset if bottom else top + offset
        rows.append(y)
        for i in range(5):
            x = left + cover + 6 + i * (right - left - 2 * cover - 12) / 4
            body += f'<circle cx="{x:.1f}" cy="{y}" r="5.5" fill="{STEEL}" stroke="{STROKE}"/>\n'
        body += text(right + 8, y + 4, f"Row {row + 1}", 11, "start", STROKE)
    face = base if bottom else top
    inner = face - cover if bottom else face + cover
    body += dim(left - 14, face, left - 14, inner)
    body += text(left - 18, (face + inner) / 2 + 4, "c", 14, "end", DIM, True)
    label_y = 14 if bottom else 192
    body += text(110, label_y, "bottom band" if bottom else "top band", 12, "middle", STROKE)
    return svg(230, 200, body)


def stirrups():
    """Three stirrups along a member, their legs, the diameter Fi and the spacing e."""
    body = f'<rect x="20" y="40" width="190" height="110" fill="{CONCRETE}" stroke="{STROKE}" stroke-width="2"/>\n'
    xs = [60, 115, 170]
    for x in xs:
        body += f'<rect x="{x - 4}" y="50" width="8" height="90" fill="{STEEL}" stroke="{STROKE}"/>\n'
    body += dim(60, 165, 115, 165)
    body += text(88, 185, "e", 15, "middle", DIM, True)
    body += f'<line x1="174" y1="30" x2="200" y2="18" stroke="{DIM}" stroke-width="1.2"/>\n'
    body += text(204, 20, "Fi", 14, "start", DIM, True)
    body += text(115, 28, "n legs per stirrup", 11, "middle", STROKE)
    return svg(230, 200, body)


def material_icon():
    body = (f'<rect x="4" y="8" width="24" height="18" fill="{CONCRETE}" stroke="{STROKE}" stroke-width="1.5"/>\n'
            f'<circle cx="10" cy="21" r="2.5" fill="{STEEL}"/>\n<circle cx="16" cy="21" r="2.5" fill="{STEEL}"/>\n'
            f'<circle cx="22" cy="21" r="2.5" fill="{STEEL}"/>\n'
            f'<path d="M20,4 L28,4 L28,12" fill="none" stroke="{DIM}" stroke-width="2"/>\n')
    return svg(32, 32, body, False)


def load_icon(where):
    """An I-section with the shear centre and a load arrow above, below or at it."""
    body = (f'<path d="M6,6 H26 V9 H17.5 V23 H26 V26 H6 V23 H14.5 V9 H6 z" fill="#b8c8dc" stroke="{STROKE}"/>\n'
            f'<circle cx="16" cy="16" r="1.8" fill="{STROKE}"/>\n')
    tip = {"above": 4, "below": 30, "centre": 16}[where]
    body += (f'<line x1="16" y1="{tip - 12}" x2="16" y2="{tip - 3}" stroke="{STEEL}" stroke-width="2.5"/>\n'
             f'<path d="M12,{tip - 4} L20,{tip - 4} L16,{tip} z" fill="{STEEL}"/>\n')
    return svg(32, 32, body, False)


def main(argv):
    out = argv[1] if len(argv) > 1 else os.path.join(ROOT, "ui", "design")
    os.makedirs(out, exist_ok=True)
    files = {
        "bars_bottom.svg": section(True),
        "bars_top.svg": section(False),
        "stirrups.svg": stirrups(),
        "material281.svg": material_icon(),
        "load_above283.svg": load_icon("above"),
        "load_below284.svg": load_icon("below"),
        "load_centre285.svg": load_icon("centre"),
    }
    for name, content in files.items():
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            f.write(content)
    print(f"{len(files)} pictures in {out}")


if __name__ == "__main__":
    main(sys.argv)
