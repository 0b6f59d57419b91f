#!/usr/bin/python3
"""Writes the catalogue of rolled I sections, Common/DB/StandardSectionsI.db.

Only the nominal dimensions of each profile are typed in (h, b, tw, tf and the
root radius r, in mm, as the European product standards give them). Every
section value is derived from them with the usual formulas for rolled I
sections with four root fillets, so that the numbers of one line agree with
each other. A few lines are then compared with published table values and the
largest difference is printed.

    /usr/bin/python3 resources/tools/make_standard_sections_i.py [output]

Without an argument the file is written to resources/data/Common/DB/.
"""
import math
import os
import sys

# name, h, b, tw, tf, r (mm)
SERIES = {
    "IPE": [
        ("IPE 80", 80, 46, 3.8, 5.2, 5),
        ("IPE 100", 100, 55, 4.1, 5.7, 7),
        ("IPE 120", 120, 64, 4.4, 6.3, 7),
        ("IPE 140", 140, 73, 4.7, 6.9, 7),
        ("IPE 160", 160, 82, 5.0, 7.4, 9),
        ("IPE 180", 180, 91, 5.3, 8.0, 9),
        ("IPE 200", 200, 100, 5.6, 8.5, 12),
        ("IPE 220", 220, 110, 5.9, 9.2, 12),
        ("IPE 240", 240, 120, 6.2, 9.8, 15),
        ("IPE 270", 270, 135, 6.6, 10.2, 15),
        ("IPE 300", 300, 150, 7.1, 10.7, 15),
        ("IPE 330", 330, 160, 7.5, 11.5, 18),
        ("IPE 360", 360, 170, 8.0, 12.7, 18),
        ("IPE 400", 400, 180, 8.6, 13.5, 21),
        ("IPE 450", 450, 190, 9.4, 14.6, 21),
        ("IPE 500", 500, 200, 10.2, 16.0, 21),
        ("IPE 550", 550, 210, 11.1, 17.2, 24),
        ("IPE 600", 600, 220, 12.0, 19.0, 24),
    ],
    "HEA": [
        ("HEA 100", 96, 100, 5.0, 8.0, 12),
        ("HEA 120", 114, 120, 5.0, 8.0, 12),
        ("HEA 140", 133, 140, 5.5, 8.5, 12),
        ("HEA 160", 152, 160, 6.0, 9.0, 15),
        ("HEA 180", 171, 180, 6.0, 9.5, 15),
        ("HEA 200", 190, 200, 6.5, 10.0, 18),
        ("HEA 220", 210, 220, 7.0, 11.0, 18),
        ("HEA 240", 230, 240, 7.5, 12.0, 21),
        ("HEA 260", 250, 260, 7.5, 12.5, 24),
        ("HEA 280", 270, 280, 8.0, 13.0, 24),
        ("HEA 300", 290, 300, 8.5, 14.0, 27),
        ("HEA 320", 310, 300, 9.0, 15.5, 27),
        ("HEA 340", 330, 300, 9.5, 16.5, 27),
        ("HEA 360", 350, 300, 10.0, 17.5, 27),
        ("HEA 400", 390, 300, 11.0, 19.0, 27),
        ("HEA 450", 440, 300, 11.5, 21.0, 27),
        ("HEA 500", 490, 300, 12.0, 23.0, 27),
        ("HEA 550", 540, 300, 12.5, 24.0, 27),
        ("HEA 600", 590, 300, 13.0, 25.0, 27),
        ("HEA 650", 640, 300, 13.5, 26.0, 27),
        ("HEA 700", 690, 300, 14.5, 27.0, 27),
        ("HEA 800", 790, 300, 15.0, 28.0, 30),
        ("HEA 900", 890, 300, 16.0, 30.0, 30),
        ("HEA 1000", 990, 300, 16.5, 31.0, 30),
    ],
    "HEB": [
        ("HEB 100", 100, 100, 6.0, 10.0, 12),
        ("HEB 120", 120, 120, 6.5, 11.0, 12),
        ("HEB 140", 140, 140, 7.0, 12.0, 12),
        ("HEB 160", 160, 160, 8.0, 13.0, 15),
        ("HEB 180", 180, 180, 8.5, 14.0, 15),
        ("HEB 200", 200, 200, 9.0, 15.0, 18),
        ("HEB 220", 220, 220, 9.5, 16.0, 18),
        ("HEB 240", 240, 240, 10.0, 17.0, 21),
        ("HEB 260", 260, 260, 10.0, 17.5, 24),
        ("HEB 280", 280, 280, 10.5, 18.0, 24),
        ("HEB 300", 300, 300, 11.0, 19.0, 27),
        ("HEB 320", 320, 300, 11.5, 20.5, 27),
        ("HEB 340", 340, 300, 12.0, 21.5, 27),
        ("HEB 360", 360, 300, 12.5, 22.5, 27),
        ("HEB 400", 400, 300, 13.5, 24.0, 27),
        ("HEB 450", 450, 300, 14.0, 26.0, 27),
        ("HEB 500", 500, 300, 14.5, 28.0, 27),
        ("HEB 550", 550, 300, 15.0, 29.0, 27),
        ("HEB 600", 600, 300, 15.5, 30.0, 27),
        ("HEB 650", 650, 300, 16.0, 31.0, 27),
        ("HEB 700", 700, 300, 17.0, 32.0, 27),
        ("HEB 800", 800, 300, 17.5, 33.0, 30),
        ("HEB 900", 900, 300, 18.5, 35.0, 30),
        ("HEB 1000", 1000, 300, 19.0, 36.0, 30),
    ],
    "HEM": [
        ("HEM 100", 120, 106, 12.0, 20.0, 12),
        ("HEM 120", 140, 126, 12.5, 21.0, 12),
        ("HEM 140", 160, 146, 13.0, 22.0, 12),
        ("HEM 160", 180, 166, 14.0, 23.0, 15),
        ("HEM 180", 200, 186, 14.5, 24.0, 15),
        ("HEM 200", 220, 206, 15.0, 25.0, 18),
        ("HEM 220", 240, 226, 15.5, 26.0, 18),
        ("HEM 240", 270, 248, 18.0, 32.0, 21),
        ("HEM 260", 290, 268, 18.0, 32.5, 24),
        ("HEM 280", 310, 288, 18.5, 33.0, 24),
        ("HEM 300", 340, 310, 21.0, 39.0, 27),
        ("HEM 320", 359, 309, 21.0, 40.0, 27),
        ("HEM 340", 377, 309, 21.0, 40.0, 27),
        ("HEM 360", 395, 308, 21.0, 40.0, 27),
        ("HEM 400", 432, 307, 21.0, 40.0, 27),
        ("HEM 450", 478, 307, 21.0, 40.0, 27),
        ("HEM 500", 524, 306, 21.0, 40.0, 27),
        ("HEM 550", 572, 306, 21.0, 40.0, 27),
        ("HEM 600", 620, 305, 21.0, 40.0, 27),
        ("HEM 650", 668, 305, 21.0, 40.0, 27),
        ("HEM 700", 716, 304, 21.0, 40.0, 27),
        ("HEM 800", 814, 303, 21.0, 40.0, 30),
        ("HEM 900", 910, 302, 21.0, 40.0, 30),
        ("HEM 1000", 1008, 302, 21.0, 40.0, 30),
    ],
}

# Published table values to compare with: name -> {quantity: value} in cm units.
PUBLISHED = {
    "IPE 300": {"A": 53.8, "Iy": 8356, "Wy": 557.1, "Iz": 603.8, "Wz": 80.5, "Zy": 628.4, "It": 20.12,
                "Iw": 125900},
    "HEB 200": {"A": 78.1, "Iy": 5696, "Wy": 569.6, "Iz": 2003, "Wz": 200.3, "Zy": 642.5, "It": 59.28,
                "Iw": 171100},
    "IPE 200": {"A": 28.48, "Iy": 1943, "Iz": 142.4, "Zy": 220.6, "It": 6.98},
}


def properties(h, b, tw, tf, r):
    """Section values of a rolled I section with four root fillets (mm in, mm out)."""
    hw = h - 2 * tf  # web height between the flanges
    # One fillet: the square r x r less the quarter circle of radius r.
    af = (1 - math.pi / 4) * r * r
    # Distance of the fillet's centroid from the corner between flange and web.
    ef = r * (10 - 3 * math.pi) / (12 - 3 * math.pi)
    # Second moment of one fillet about its own centroidal axis (either direction).
    If = (1 - 5 * math.pi / 16) * r**4 - af * ef * ef

    A = 2 * b * tf + hw * tw + 4 * af
    Iy = (b * h**3 - (b - tw) * hw**3) / 12 + 4 * (If + af * (hw / 2 - ef) ** 2)
    Iz = (2 * tf * b**3 + hw * tw**3) / 12 + 4 * (If + af * (tw / 2 + ef) ** 2)
    Wy = 2 * Iy / h
    Wz = 2 * Iz / b
    # Plastic modulus: twice the first moment of either half about the axis.
    Zy = tw * h * h / 4 + (b - tw) * tf * (h - tf) + 4 * af * (hw / 2 - ef)
    # Torsion constant of rolled I sections (flanges, web and the thickened
    # junctions at the fillets).
    D = ((r + tw / 2) ** 2 + (r + tf) ** 2 - r * r) / (2 * r + tf)
    It = (
        2 / 3 * (b - 0.63 * tf) * tf**3
        + hw * tw**3 / 3
        + 2 * (tw / tf) * (0.145 + 0.1 * r / tf) * D**4
    )
    # Warping constant of the two flanges about the shear centre.
    Iw = tf * b**3 * (h - tf) ** 2 / 24
    return {
        "h-2c": h - 2 * (tf + r),
        "A": A / 1e2,
        "Iy": Iy / 1e4,
        "Wy": Wy / 1e3,
        "Iz": Iz / 1e4,
        "Wz": Wz / 1e3,
        "Zy": Zy / 1e3,
        "It": It / 1e4,
        "Iw": Iw / 1e6,
    }


def number(x):
    """Six significant digits without trailing zeros: what the record shows of a field."""
    return "%.6g" % x


def line(name, h, b, tw, tf, r):
    p = properties(h, b, tw, tf, r)
    fields = [h, b, tf, tw, p["h-2c"]] + [p[k] for k in ("A", "Iy", "Wy", "Iz", "Wz", "Zy", "It", "Iw")]
    return '"%s", %s\n' % (name, ", ".join(number(x) for x in fields))


def check():
    worst = (0.0, "")
    rows = {row[0]: row for rows in SERIES.values() for row in rows}
    for name, values in PUBLISHED.items():
        p = properties(*rows[name][1:])
        for key, published in values.items():
            diff = abs(p[key] - published) / published
            print("%-8s %-3s computed %10.2f published %10.2f difference %.2f %%"
                  % (name, key, p[key], published, 100 * diff))
            if diff > worst[0]:
                worst = (diff, "%s %s" % (name, key))
    print("largest difference: %.2f %% (%s)" % (100 * worst[0], worst[1]))
    return worst[0]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "data", "Common", "DB", "StandardSectionsI.db")
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write("# Rolled I sections. Written by resources/tools/make_standard_sections_i.py;\n")
        f.write("# change the generator, not this file.\n")
        f.write("# Name, h, b, d (flange), t (web), h-2c in mm; A cm2, Iy cm4, Wy cm3, Iz cm4,\n")
        f.write("# Wz cm3, Zy (plastic) cm3, It cm4, Iw cm6.\n")
        for group, rows in SERIES.items():
            f.write("\n[%s]\n" % group)
            for row in rows:
                f.write(line(*row))
    if check() > 0.01:
        sys.exit("a computed value differs from the published one by more than 1 %")


if __name__ == "__main__":
    main()
