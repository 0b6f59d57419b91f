#!/usr/bin/python3
"""Writes the material grade databases Common/DB/Concrete.db and Common/DB/Steel.db.

Concrete (group "EN 1992-1-1", Table 3.1 of EN 1992-1-1:2004): only fck is
typed in. The mean tensile strength fctm = 0.30 fck^(2/3) and the secant
modulus Ecm = 22 ((fck + 8) / 10)^0.3 GPa are computed, rounded as the table
rounds them (fctm to 0.1 N/mm2, Ecm to whole GPa) and checked against the
table's values, which this script carries. The grades end at C50/60: the
program's stress-strain laws are those of normal-strength concrete and would
overrate higher grades.

Structural steel (group "EN 1993-1-1", Table 3.1 of EN 1993-1-1:2005 with its
corrigendum of 2009, grades of EN 10025-2): fy and fu for nominal thicknesses
t <= 40 mm and 40 mm < t <= 80 mm.

A record holds: name, E, G (kN/cm2), two strengths, Poisson ratio, density
(kg/m3), thermal expansion (1/K). The concrete strengths fck and fctm are in
N/mm2, the steel strengths fy and fu in kN/cm2.

    /usr/bin/python3 resources/tools/make_grade_databases.py [folder]

Without an argument both files are written to resources/data/Common/DB/.
"""
import os
import sys

CONCRETE_EDITION = "EN 1992-1-1:2004, Table 3.1"
STEEL_EDITION = "EN 1993-1-1:2005 with corrigendum AC:2009, Table 3.1 (EN 10025-2)"

# name, fck (N/mm2), and the table's fctm (N/mm2) and Ecm (GPa) to check against
CONCRETE = [
    ("C12/15", 12, 1.6, 27),
    ("C16/20", 16, 1.9, 29),
    ("C20/25", 20, 2.2, 30),
    ("C25/30", 25, 2.6, 31),
    ("C30/37", 30, 2.9, 33),
    ("C35/45", 35, 3.2, 34),
    ("C40/50", 40, 3.5, 35),
    ("C45/55", 45, 3.8, 36),
    ("C50/60", 50, 4.1, 37),
]
CONCRETE_POISSON = 0.2
CONCRETE_DENSITY = 2500
CONCRETE_EXPANSION = 1e-5

# grade, fy and fu for t <= 40 mm, fy and fu for 40 < t <= 80 mm (kN/cm2)
STEEL = [
    ("S235", 23.5, 36.0, 21.5, 36.0),
    ("S275", 27.5, 43.0, 25.5, 41.0),
    ("S355", 35.5, 49.0, 33.5, 47.0),
    ("S450", 44.0, 55.0, 41.0, 55.0),
]
STEEL_E = 21000
STEEL_G = 8100
STEEL_POISSON = 0.3
STEEL_DENSITY = 7850
STEEL_EXPANSION = 1.2e-5


def number(x):
    """As a default-formatted C++ stream writes a double (six significant digits)."""
    return "%.6g" % x


def record(name, values):
    return '"%s", %s\n' % (name, ", ".join(number(x) for x in values))


def round_half_up(x, step):
    return int(x / step + 0.5) * step


def concrete_values(fck):
    """fctm (N/mm2) and Ecm (GPa), rounded as the table rounds them."""
    fctm = round(round_half_up(0.30 * fck ** (2.0 / 3.0), 0.1), 1)
    ecm = int(round_half_up(22.0 * ((fck + 8) / 10.0) ** 0.3, 1))
    return fctm, ecm


def concrete_lines():
    lines = []
    for name, fck, table_fctm, table_ecm in CONCRETE:
        fctm, ecm = concrete_values(fck)
        if abs(fctm - table_fctm) > 1e-9 or ecm != table_ecm:
            sys.exit("%s: computed fctm %.1f, Ecm %d differ from the table's %.1f, %d"
                     % (name, fctm, ecm, table_fctm, table_ecm))
        e = ecm * 100.0  # GPa to kN/cm2
        lines.append(record(name, [e, e / 2.4, fck, fctm, CONCRETE_POISSON, CONCRETE_DENSITY,
                                   CONCRETE_EXPANSION]))
    return lines


def steel_lines():
    lines = []
    for grade, fy1, fu1, fy2, fu2 in STEEL:
        for label, fy, fu in (("t <= 40 mm", fy1, fu1), ("40 < t <= 80 mm", fy2, fu2)):
            lines.append(record("%s (%s)" % (grade, label),
                                [STEEL_E, STEEL_G, fy, fu, STEEL_POISSON, STEEL_DENSITY, STEEL_EXPANSION]))
    return lines


def write(path, head, group, lines):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("# %s Written by resources/tools/make_grade_databases.py;\n" % head)
        f.write("# change the generator, not this file.\n")
        f.write("\n[%s]\n" % group)
        f.writelines(lines)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "Common", "DB")
    write(os.path.join(folder, "Concrete.db"),
          "Concrete grades of %s.\n# Name, E, G (kN/cm2), fck, fctm (N/mm2), Poisson, density (kg/m3),"
          " thermal expansion (1/K).\n#" % CONCRETE_EDITION,
          "EN 1992-1-1", concrete_lines())
    write(os.path.join(folder, "Steel.db"),
          "Structural steel grades of %s.\n# Name, E, G, fy, fu (kN/cm2), Poisson, density (kg/m3),"
          " thermal expansion (1/K).\n#" % STEEL_EDITION,
          "EN 1993-1-1", steel_lines())


if __name__ == "__main__":
    main()
