#!/usr/bin/env python3
"""Writes the sample libraries under samples/.

Drawings are given in file units (0..200, y up, one grid cell = 10 units). Arcs are given by
centre, radius and a counter-clockwise sweep in degrees; the script puts the end points on the
grid and sets the arc flag (1 for the longer arc; for a half circle, 1 when it runs
counter-clockwise from start to end). The line types' pattern heights are left 0 here; the
library writer computes them, so finish with
    glyphlib convert samples/boundaries.ltp samples/boundaries.ltp
and check every sample with `glyphlib check`.
"""
import math
import pathlib

SAMPLES = pathlib.Path(__file__).resolve().parent.parent / "samples"
HEADER = "Veltrax Sym/Ltype File Version 1.0"


def field(value):
    return str(int(value))[:6].rjust(6)


def line(colour, x1, y1, x2, y2):
    return "L " + "".join(field(v) for v in (colour, x1, y1, x2, y2))


def arc(colour, cx, cy, r, start_deg, sweep_deg):
    a1 = math.radians(start_deg)
    a2 = math.radians(start_deg + sweep_deg)
    x1, y1 = round(cx + r * math.cos(a1)), round(cy + r * math.sin(a1))
    x2, y2 = round(cx + r * math.cos(a2)), round(cy + r * math.sin(a2))
    flag = 1 if sweep_deg > 180 or sweep_deg == 180 else 0
    if sweep_deg >= 360:
        x2, y2, flag = x1, y1, 0
    return "A " + "".join(field(v) for v in (colour, x1, y1, x2, y2, cx, cy, flag))


def circle(colour, cx, cy, r):
    return arc(colour, cx, cy, r, 0, 360)


def polyline(colour, *points):
    return [line(colour, *points[i], *points[i + 1]) for i in range(len(points) - 1)]


def entry(name, settings, entities):
    return ["S " + name, "P " + "".join(field(v) for v in settings), *entities, "E"]


def write(name, entries):
    lines = [HEADER] + [text for e in entries for text in e]
    (SAMPLES / name).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1252"))


def symbol(name, entities, size=60, colours=1):
    return entry(name, (100, 100, 0, size, colours), entities)


def line_type(name, entities, single=0):
    return entry(name, (100, 100, single, 0, 1), entities)


SYMBOLS = [
    symbol("Trig point", [*polyline(1, (60, 70), (140, 70), (100, 139), (60, 70)),
                          circle(4, 100, 93, 8)]),
    symbol("Benchmark", [line(1, 100, 140, 100, 70), line(1, 100, 140, 75, 100),
                         line(1, 100, 140, 125, 100), line(1, 70, 60, 130, 60)], size=50),
    symbol("Survey station", [circle(4, 100, 100, 40), line(1, 60, 100, 140, 100),
                              line(1, 100, 60, 100, 140)], size=40),
    symbol("Spot height", [line(1, 90, 100, 110, 100), line(1, 100, 90, 100, 110)], size=10,
           colours=0),
    symbol("Deciduous tree", [line(6, 95, 40, 95, 90), line(6, 105, 40, 105, 90),
                              arc(3, 100, 120, 30, -60, 300)], size=80),
    symbol("Conifer", [*polyline(3, (60, 70), (140, 70), (100, 170), (60, 70)),
                       line(6, 100, 40, 100, 70)], size=70),
    symbol("Church", [*polyline(1, (140, 110), (140, 40), (60, 40), (60, 110)),
                      *polyline(1, (60, 110), (100, 140), (140, 110), (60, 110)),
                      line(2, 100, 140, 100, 180), line(2, 85, 165, 115, 165),
                      line(1, 90, 40, 90, 70), line(1, 110, 40, 110, 70),
                      arc(1, 100, 70, 10, 0, 180)], size=80),
    symbol("Well", [circle(5, 100, 80, 30), line(6, 60, 80, 60, 140), line(6, 140, 80, 140, 140),
                    *polyline(2, (50, 140), (100, 170), (150, 140)), line(1, 60, 120, 140, 120)],
           size=70),
    symbol("Boundary stone", [*polyline(1, (120, 140), (120, 60), (80, 60), (80, 140)),
                              arc(1, 100, 140, 20, 0, 180)], size=50),
    symbol("Windmill", [*polyline(1, (80, 40), (90, 110), (110, 110), (120, 40), (80, 40)),
                        line(1, 70, 150, 130, 70), line(1, 70, 70, 130, 150),
                        circle(2, 100, 110, 6)], size=80),
    symbol("Spring", [circle(5, 100, 100, 20), arc(5, 100, 100, 35, 200, 140)], size=40),
    symbol("Cairn", [*polyline(1, (70, 60), (130, 60), (115, 90), (85, 90), (70, 60)),
                     *polyline(1, (85, 90), (100, 120), (115, 90))], size=40),
]

LINE_TYPES = [
    line_type("Fence", [line(1, 0, 100, 200, 100)] +
              [line(1, x, 100, x, 115) for x in range(20, 200, 40)]),
    line_type("Hedge", [line(3, 0, 100, 200, 100)] +
              [arc(3, x + 20, 100, 20, 0, 180) for x in range(0, 200, 40)]),
    line_type("Railway", [line(1, 0, 95, 200, 95), line(1, 0, 105, 200, 105)] +
              [line(1, x, 90, x, 110) for x in range(10, 200, 20)]),
    line_type("Boundary", [line(2, 0, 100, 60, 100), line(2, 75, 100, 80, 100),
                           line(2, 95, 100, 100, 100), line(2, 115, 100, 175, 100),
                           line(2, 190, 100, 195, 100)]),
    line_type("Stone wall", [line(1, 0, 95, 200, 95), line(1, 0, 105, 200, 105)] +
              [arc(1, x, 100, 5, 90, 180) for x in range(10, 200, 20)]),
    line_type("Embankment", [line(6, 0, 100, 200, 100)] +
              [line(6, x, 100, x + 5, 80) for x in range(5, 200, 15)]),
    line_type("Power line", [line(1, 0, 100, 200, 100), circle(4, 50, 100, 6),
                             circle(4, 150, 100, 6)], single=1),
    line_type("Footpath", [line(5, x, 100, x + 20, 100) for x in range(0, 200, 30)]),
]

# The older symbol layout: a 19-unit grid, origins, then typed entities with sweeps in degrees.
OLDER_SYMBOLS = """Version 1.0 of file format
S Old tree
1 origin
95 95
4 entities
L 90 38 90 85
L 100 38 100 85
A 95 76 95 76 95 114 360
A 76 114 114 114 95 114 180
E
S Old well
1
95 95
3
A 66 95 124 95 95 95 -180
A 124 95 66 95 95 95 -180
L 95 124 95 152
E
S Old marker
0
2
L 76 95 114 95
L 95 76 95 114
E
"""

# The older line type layout: four lines and a counted block of settings the reader skips.
OLDER_LINE_TYPES = """File format version 2
S Old fence
scale 1
repeat 1
offset 0
style 0
2
settings line 1
settings line 2
end of settings
3
L 0 100 200 100
L 50 100 50 115
L 150 100 150 115
E
S Old hedge
scale 1
repeat 1
offset 0
style 0
0
end of settings
3
L 0 100 200 100
A 0 100 100 100 50 100 -180
A 100 100 200 100 150 100 -180
E
"""


def main():
    write("survey.sym", SYMBOLS)
    write("boundaries.ltp", LINE_TYPES)
    (SAMPLES / "older.sym").write_bytes(OLDER_SYMBOLS.replace("\n", "\r\n").encode("cp1252"))
    (SAMPLES / "older.ltp").write_bytes(OLDER_LINE_TYPES.replace("\n", "\r\n").encode("cp1252"))


if __name__ == "__main__":
    main()
