#!/usr/bin/python3
"""Writes the pictures of the load dialogs.

The temperature dialog shows a member with its negative (-z) and positive (+z)
faces (resource 221). The linear-load dialog shows an inclined member under a
distributed load, one picture for each pair of choices of the direction system
and the position system (222 world/world, 223 world direction with local
position, 226 local direction with world position, 225 local/local). All are
read as resources of type "METAFILE". It also draws the load-combinations
toolbar (resource 176) and the images of the limit states (resource 177).

    /usr/bin/python3 resources/tools/make_load_pictures.py [folder]

Without an argument the files go to resources/ui/loads/.
"""
import math
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
W, H = 240, 180
MEMBER = "#1a2a44"
FILL = "#b8c8dc"
LOAD = "#b01818"
DIM = "#2060a0"
FONT = 'font-family="DejaVu Sans, sans-serif"'


def svg(body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">\n'
            f'<rect x="0" y="0" width="{W}" height="{H}" fill="#ffffff"/>\n'
            f'<defs>'
            f'<marker id="l" markerWidth="8" markerHeight="8" refX="7" refY="4" orient="auto">'
            f'<path d="M0,1 L8,4 L0,7 z" fill="{LOAD}"/></marker>'
            f'<marker id="d" markerWidth="8" markerHeight="8" refX="4" refY="4" orient="auto">'
            f'<path d="M0,1 L8,4 L0,7 z" fill="{DIM}"/></marker>'
            f'</defs>\n' + body + "</svg>\n")


def text(x, y, s, colour=MEMBER, size=12, anchor="middle", italic=False):
    style = ' font-style="italic"' if italic else ""
    return (f'<text x="{x:.1f}" y="{y:.1f}" {FONT} font-size="{size}"{style} fill="{colour}" '
            f'text-anchor="{anchor}">{s}</text>\n')


def line(x1, y1, x2, y2, colour, width=1.2, marker=None, both=False, dash=None):
    m = ""
    if marker:
        m = f' marker-end="url(#{marker})"'
        if both:
            m += f' marker-start="url(#{marker})"'
    d = f' stroke-dasharray="{dash}"' if dash else ""
    return (f'<line x1="{x1:.1f}" y1="{y1:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" stroke="{colour}" '
            f'stroke-width="{width}"{m}{d}/>\n')


def support(x, y):
    return (f'<polygon points="{x},{y} {x - 8},{y + 12} {x + 8},{y + 12}" fill="none" stroke="{MEMBER}" '
            f'stroke-width="1.5"/>\n' + line(x - 11, y + 15, x + 11, y + 15, MEMBER, 1.5))


def temperature():
    # A member seen from the side, its top face the negative one (z points down).
    l, r, t, b = 40, 200, 70, 100
    body = (f'<rect x="{l}" y="{t}" width="{r - l}" height="{b - t}" fill="{FILL}" stroke="{MEMBER}" '
            f'stroke-width="2"/>\n')
    body += line(l - 10, (t + b) / 2, r + 18, (t + b) / 2, "#708090", 1, dash="6,3")
    body += line(r + 18, (t + b) / 2, r + 30, (t + b) / 2, MEMBER, 1.2, "d")
    body += text(r + 30, (t + b) / 2 - 5, "x", size=12, italic=True)
    body += line(120, b + 8, 120, b + 34, MEMBER, 1.2, "d")
    body += text(128, b + 32, "z", size=12, anchor="start", italic=True)
    # The two faces, coloured as cold and warm.
    body += line(l, t, r, t, "#2060c0", 4)
    body += line(l, b, r, b, "#c03010", 4)
    body += text(120, t - 12, "T neg (-z)", "#2060c0", 13)
    body += text(120, b + 52, "T pos (+z)", "#c03010", 13)
    body += support(l + 10, b)
    body += support(r - 10, b)
    return svg(body)


# The inclined member of the linear-load pictures, from lower left to upper right.
A = (50.0, 140.0)
B = (190.0, 70.0)


def along(t):
    return (A[0] + (B[0] - A[0]) * t, A[1] + (B[1] - A[1]) * t)


def member_picture(local_direction, local_position):
    dx, dy = B[0] - A[0], B[1] - A[1]
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    # The normal on the load side (above the member).
    nx, ny = uy, -ux
    if ny > 0:
        nx, ny = -nx, -ny
    body = line(A[0], A[1], B[0], B[1], MEMBER, 4)
    body += support(A[0], A[1] + 2) + support(B[0], B[1] + 2)
    # The loaded part, from 0.2 to 0.8 of the member, with five arrows.
    s, e = 0.2, 0.8
    tips = []
    for i in range(5):
        t = s + (e - s) * i / 4
        px, py = along(t)
        px, py = px + 3 * nx, py + 3 * ny
        if local_direction:
            tail = (px + 34 * nx, py + 34 * ny)
        else:
            tail = (px, py - 34)
        tips.append(tail)
        body += line(tail[0], tail[1], px, py, LOAD, 1.6, "l")
    body += line(tips[0][0], tips[0][1], tips[-1][0], tips[-1][1], LOAD, 1.6)
    body += text((tips[0][0] + tips[-1][0]) / 2 + (14 * nx if local_direction else -16),
                 (tips[0][1] + tips[-1][1]) / 2 + (14 * ny if local_direction else -8), "q", LOAD, 15,
                 italic=True)
    # Where the load lies: along the member, or along its projection on x.
    (sx, sy), (ex, ey) = along(s), along(e)
    if local_position:
        off = 20
        ax, ay = sx - off * nx, sy - off * ny
        bx, by = ex - off * nx, ey - off * ny
        body += line(sx, sy, ax - 4 * nx, ay - 4 * ny, DIM, 0.8)
        body += line(ex, ey, bx - 4 * nx, by - 4 * ny, DIM, 0.8)
        body += line(ax, ay, bx, by, DIM, 1.2, "d", True)
        body += text((ax + bx) / 2 + 10, (ay + by) / 2 + 16, "local x", DIM, 11)
    else:
        y = 168
        body += line(sx, sy, sx, y + 4, DIM, 0.8, dash="3,2")
        body += line(ex, ey, ex, y + 4, DIM, 0.8, dash="3,2")
        body += line(sx, y, ex, y, DIM, 1.2, "d", True)
        body += text((sx + ex) / 2, y - 4, "world x", DIM, 11)
    caption = ("local" if local_direction else "world") + " direction, " + \
              ("local" if local_position else "world") + " position"
    body += text(W / 2, 16, caption, MEMBER, 11)
    return svg(body)


def strip(images, w=16, h=15):
    """Small images side by side, left to right, as the toolbar and image-list resources hold them."""
    body = "".join(f'<g transform="translate({i * w},0)">{img}</g>' for i, img in enumerate(images))
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w * len(images)}" height="{h}" '
            f'viewBox="0 0 {w * len(images)} {h}">{body}</svg>\n')


def sign(plus, colour):
    s = (f'<circle cx="12" cy="11" r="3.6" fill="{colour}"/>'
         f'<path d="M9.8 11 H14.2" stroke="#ffffff" stroke-width="1.4"/>')
    if plus:
        s += '<path d="M12 8.8 V13.2" stroke="#ffffff" stroke-width="1.4"/>'
    return s


def case_row():
    # A table row: a load case.
    return ('<rect x="1.5" y="3.5" width="11" height="6" fill="#ffffff" stroke="#2b2b2b"/>'
            '<path d="M5.5 3.5 V9.5" stroke="#2b2b2b"/>')


def action_column():
    # A table column: an action.
    return ('<rect x="2.5" y="1.5" width="6" height="11" fill="#ffffff" stroke="#2b2b2b"/>'
            '<path d="M2.5 5.5 H8.5" stroke="#2b2b2b"/>')


def toolbar():
    """Toolbar resource 176: add and remove a load case, add and remove an action."""
    return strip([case_row() + sign(True, "#2e8b3d"), case_row() + sign(False, "#c0392b"),
                  action_column() + sign(True, "#2e8b3d"), action_column() + sign(False, "#c0392b")])


def limit_states():
    """Image list 177: one 16-pixel image per limit-state code 0 to 6 (ultimate, serviceability,
    creeping, skewness, accidental, ultimate P&T, seismic)."""
    def letter(text, colour):
        return (f'<rect x="1.5" y="1.5" width="13" height="13" rx="2.5" fill="{colour}"/>'
                f'<text x="8" y="11.5" {FONT} font-weight="bold" font-size="{9 if len(text) == 1 else 7}" '
                f'fill="#ffffff" text-anchor="middle">{text}</text>')
    return strip([letter("U", "#b01818"), letter("S", "#2060a0"), letter("C", "#8a6d1a"),
                  letter("/", "#5a5a5a"), letter("A", "#c05a10"), letter("PT", "#7a2a8a"),
                  letter("E", "#2e8b3d")], 16, 16)


PICTURES = {
    "toolbar176.svg": toolbar,
    "limitstates177.svg": limit_states,
    "temperature.svg": temperature,
    "linear_world_world.svg": lambda: member_picture(False, False),
    "linear_world_local.svg": lambda: member_picture(False, True),
    "linear_local_world.svg": lambda: member_picture(True, False),
    "linear_local_local.svg": lambda: member_picture(True, True),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "ui", "loads")
    os.makedirs(folder, exist_ok=True)
    for name, make in PICTURES.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
            f.write(make())


if __name__ == "__main__":
    main()
