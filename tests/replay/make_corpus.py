#!/usr/bin/env python3
"""Writes the malformed inputs of the replay corpus (tests/replay/corpus/).

The binary seeds (seed-* in archive/, compound/, design/, numberformat/ and
picture/) were written by the program's own writers; this script keeps them
and writes damaged copies of them beside them: cut short, bytes changed, counts
and sizes made huge. The text inputs are written from scratch. The output does
not depend on the machine: the random choices are seeded.

    tests/replay/make_corpus.py        # rewrites every generated file
"""
import os
import random
import struct
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def write(folder, name, data):
    os.makedirs(os.path.join(ROOT, folder), exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8", "surrogateescape")
    with open(os.path.join(ROOT, folder, name), "wb") as f:
        f.write(data)


def read(folder, name):
    with open(os.path.join(ROOT, folder, name), "rb") as f:
        return f.read()


def clear_generated():
    for folder in os.listdir(ROOT):
        for name in os.listdir(os.path.join(ROOT, folder)):
            if not name.startswith("seed-"):
                os.remove(os.path.join(ROOT, folder, name))


def put_word(data, at, value):
    data[at:at + 4] = struct.pack("<I", value & 0xFFFFFFFF)


def mutations(folder, seed_name, rng, flips=8, words=6, seed=None):
    """Cut, flipped and huge-word copies of one seed (or of the bytes given for it)."""
    if seed is None:
        seed = read(folder, seed_name)
    stem = seed_name[len("seed-"):].rsplit(".", 1)[0]
    ext = "." + seed_name.rsplit(".", 1)[1]
    n = len(seed)
    for cut in sorted({0, 1, 3, n // 4, n // 2, n - 1}):
        if 0 <= cut < n:
            write(folder, "%s-cut-%d%s" % (stem, cut, ext), seed[:cut])
    for i in range(flips):
        data = bytearray(seed)
        for _ in range(1 + i % 4):
            data[rng.randrange(n)] = rng.randrange(256)
        write(folder, "%s-flip-%d%s" % (stem, i, ext), bytes(data))
    for i in range(words):
        data = bytearray(seed)
        at = rng.randrange(0, max(1, n - 4)) & ~3
        put_word(data, at, [0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, 0x10000000, 0xFFFFFFFE, 0x40000000][i % 6])
        write(folder, "%s-word-%d%s" % (stem, i, ext), bytes(data))


def directory_entry(data, name):
    encoded = name.encode("utf-16-le")
    for at in range(512, len(data) - 127, 128):
        if data[at:at + len(encoded)] == encoded and data[at + 0x40] == len(encoded) + 2:
            return at
    raise SystemExit("no directory entry %r" % name)


def compound(rng):
    mutations("compound", "seed-frame.oxs", rng, flips=12, words=8)
    seed = read("compound", "seed-frame.oxs")
    header_damage = {
        "sector-shift-huge": (0x1E, struct.pack("<H", 30)),
        "sector-shift-zero": (0x1E, struct.pack("<H", 0)),
        "mini-shift-huge": (0x20, struct.pack("<H", 20)),
        "fat-count-huge": (0x2C, struct.pack("<I", 0x7FFFFFFF)),
        "directory-start-past-end": (0x30, struct.pack("<I", 0x00FFFFF0)),
        "mini-cutoff-zero": (0x38, struct.pack("<I", 0)),
        "mini-fat-start-past-end": (0x3C, struct.pack("<I", 0x00FFFFF0)),
        "difat-count-huge": (0x48, struct.pack("<I", 0x7FFFFFFF)),
        "first-fat-sector-loops": (0x4C, struct.pack("<I", 0)),
    }
    for name, (at, raw) in header_damage.items():
        data = bytearray(seed)
        data[at:at + len(raw)] = raw
        write("compound", "header-%s.oxs" % name, bytes(data))
    entry_damage = {
        "unknown-type": lambda d, e: d.__setitem__(e + 0x42, 7),
        "stream-longer-than-file": lambda d, e: put_word(d, e + 0x78, 0x7FFFFF00),
        "start-past-end": lambda d, e: put_word(d, e + 0x74, 0x00FFFFF0),
        "name-length-huge": lambda d, e: d.__setitem__(slice(e + 0x40, e + 0x42), b"\xff\xff"),
        "child-points-to-itself": lambda d, e: put_word(d, e + 0x4C, (e - 512) // 128),
        "sibling-loop": lambda d, e: put_word(d, e + 0x44, (e - 512) // 128),
        "sibling-past-end": lambda d, e: put_word(d, e + 0x48, 0x00FFFFF0),
    }
    for element in ("Contents", "Small", "Results"):
        for name, damage in entry_damage.items():
            data = bytearray(seed)
            damage(data, directory_entry(seed, element))
            write("compound", "entry-%s-%s.oxs" % (element.lower(), name), bytes(data))
    # Two elements of one name, as the format compares names.
    data = bytearray(seed)
    at = directory_entry(seed, "Small")
    data[at:at + 64] = ("CONTENTS".encode("utf-16-le") + b"\0\0").ljust(64, b"\0")
    data[at + 0x40] = 18
    write("compound", "entry-two-of-one-name.oxs", bytes(data))
    write("compound", "not-a-compound-file.oxs", b"this is no compound file\n")
    write("compound", "signature-only.oxs", bytes.fromhex("d0cf11e0a1b11ae1"))
    write("compound", "empty.oxs", b"")
    deep = read("compound", "seed-deep-storages.oxs")
    write("compound", "deep-storages-cut.oxs", deep[: len(deep) // 2])


def archive(rng):
    # The seed's third string is 70000 bytes long, in the four-byte length form;
    # the damaged copies hold it with 10 bytes in the same form.
    seed = read("archive", "seed-strings.bin")
    big = 1 + 5 + 3 + 300
    assert seed[big:big + 3] == b"\xff\xff\xff" and struct.unpack("<I", seed[big + 3:big + 7])[0] == 70000
    small = seed[:big] + b"\xff\xff\xff" + struct.pack("<I", 10) + b"y" * 10 + seed[big + 7 + 70000:]
    mutations("archive", "seed-strings.bin", rng, flips=6, words=6, seed=small)
    cases = {
        "byte-prefix-past-end": b"\x20abc",
        "word-prefix-past-end": b"\xff\x00\x10abc",
        "dword-prefix-huge": b"\xff\xff\xff\xff\xff\xff\xff\x7f",
        "dword-prefix-all-ones": b"\xff\xff\xff\xff\xff\xff\xff\xff",
        "wide-marker-huge": b"\xff\xfe\xff\xff\xff\xff\xff\x7f",
        "wide-marker-odd": b"\xff\xfe\xff\x03A\x00B",
        "wide-marker-surrogates": b"\xff\xfe\xff\x02\x00\xd8\x00\xdc",
        "lone-marker": b"\xff\xfe",
        "one-byte": b"\x05",
    }
    for name, data in cases.items():
        write("archive", name + ".bin", data)


def design(rng):
    for seed in ("seed-rc.bin", "seed-steel.bin"):
        mutations("design", seed, rng, flips=6, words=10)
    rc = bytearray(read("design", "seed-rc.bin"))
    for version in (0, 4, 0xFFFFFFFF):
        data = bytearray(rc)
        put_word(data, 0, version)
        write("design", "rc-version-%x.bin" % version, bytes(data))
    data = bytearray(rc)
    put_word(data, 4, 0x3FFFFFFF)  # a load-case count far beyond the bytes
    write("design", "rc-count-huge.bin", bytes(data))
    unit = rc.index(b"\x02cm")
    data = bytearray(rc)
    data[unit:unit + 3] = b"\x02\xff\x00"
    write("design", "rc-unit-unknown.bin", bytes(data))


def numberformat(rng):
    for seed in ("seed-fixed.bin", "seed-smart.bin"):
        mutations("numberformat", seed, rng, flips=4, words=4)
    base = bytearray(read("numberformat", "seed-fixed.bin"))

    def image(digits, style, delete, small, limit):
        data = bytearray(base)
        put_word(data, 4, digits)
        put_word(data, 8, style)
        data[12] = delete
        data[13] = small
        data[16:24] = struct.pack("<d", limit)
        return bytes(data)

    cases = {
        "digits-0": image(0, 1, 0, 0, 1e-12),
        "digits-17": image(17, 0, 1, 1, 1e-12),
        "digits-18": image(18, 0, 0, 0, 1e-12),
        "digits-all-ones": image(0xFFFFFFFF, 2, 0, 0, 1e-12),
        "style-3": image(5, 3, 0, 0, 1e-12),
        "style-negative": image(5, 0xFFFFFFFF, 0, 0, 1e-12),
        "flags-not-0-or-1": image(5, 1, 0xFF, 0x80, 1e-12),
        "limit-nan": image(5, 1, 0, 1, float("nan")),
        "limit-inf": image(5, 1, 0, 1, float("inf")),
        "limit-negative": image(5, 1, 0, 1, -1.0),
        "limit-huge": image(5, 1, 0, 1, 1e308),
        "limit-subnormal": image(5, 2, 1, 1, 5e-324),
        "longer": bytes(base) + b"\x01\x02\x03\x04",
        "empty": b"",
    }
    for name, data in cases.items():
        write("numberformat", name + ".bin", data)


def picture(rng):
    mutations("picture", "seed-drawing.pic", rng, flips=10, words=10)
    seed = bytearray(read("picture", "seed-drawing.pic"))
    count_at = 1 + len(b"StrakonDisplayList") + 4
    for count in (0, 0x7FFFFFFF, 0xFFFFFFFF, 1000000):
        data = bytearray(seed)
        put_word(data, count_at, count)
        write("picture", "record-count-%x.pic" % count, bytes(data))
    write("picture", "head-only.pic", bytes(seed[:count_at + 4]))
    write("picture", "other-name.pic", b"\x12StrakonDisplayLisX" + bytes(seed[19:]))
    write("picture", "not-a-picture.pic", b"GIF89a")


def pictures_in_pictures():
    """Damaged copies of a picture that holds SVG, PNG and display-list pictures.

    A random source of its own keeps every other generated file as it was."""
    rng = random.Random(15)
    mutations("picture", "seed-pictures.pic", rng, flips=10, words=10)


def settings(rng):
    deep = lambda n: "\\".join(["K"] * n)
    cases = {
        "deep-65": "[%s]\n\"v\"=dword:00000001\n[Software\\Orvex]\n\"Kept\"=dword:00000002\n" % deep(65),
        "deep-5000": "[%s]\n\"v\"=dword:00000001\n[Software\\Orvex]\n\"Kept\"=dword:00000002\n" % deep(5000),
        "deep-64": "[%s]\n\"v\"=dword:00000001\n" % deep(64),
        "headers-without-names": "[]\n[\\]\n[\\\\]\n[a\\\\b]\n[\\a]\n\"v\"=dword:00000001\n",
        "header-control-characters": "[a\x01b]\n\"v\"=dword:1\n[a\tb]\n\"w\"=\"x\"\n",
        "header-not-closed": "[Software\\Orvex\n\"v\"=dword:00000001\n",
        "values-without-header": "\"v\"=dword:00000001\n@=\"x\"\n",
        "values-malformed": "[K]\n\"a\"=dword:\n\"b\"=dword:123456789\n\"c\"=dword:-1\n\"d\"=hex:0\n"
        "\"e\"=hex:00,,01\n\"f\"=hex(\n\"g\"=hex(99999999999):00\n\"h\"=hex(4294967295):00,ff\n"
        "\"i\"=\"\\x\"\n\"j\"=\"\\x4\"\n\"k\"=\"unterminated\n\"l\"\n=\n\"m\"=\"a\"b\"\n",
        "escapes-at-end": "[K]\n\"a\\\"=\"b\\\n",
        "many-values": "[K]\n" + "".join("\"v%d\"=dword:%08x\n" % (i, i) for i in range(3000)),
        "same-value-many-cases": "[K]\n" + "".join("\"%s\"=dword:%08x\n" % (c, i) for i, c in enumerate(
            ["name", "NAME", "Name", "nAmE"] * 50)),
        "long-line": "[K]\n\"v\"=\"" + "x" * 50000 + "\"\n",
        "long-hex": "[K]\n\"v\"=hex:" + ",".join(["ab"] * 20000) + "\n",
        "nul-bytes": "[K\0L]\n\"v\0\"=dword:00000001\n\0\0\0",
        "invalid-utf8": b"[K\xff\xfe]\n\"\xc3\x28\"=\"\xe2\x82\"\n".decode("utf-8", "surrogateescape"),
        "carriage-returns-only": "[K]\r\"v\"=dword:00000001\r",
        "empty": "",
    }
    for name, text in cases.items():
        write("settings", name + ".reg", text)
    write("settings", "random-bytes.reg", bytes(rng.randrange(256) for _ in range(4096)))


def records(rng):
    cases = {
        "broken-headers": "[\n]\n[abc\n[[x]]\n[ ]\n\"a\", 1, 2, 3\n",
        "fields-missing": "[G]\n\"a\"\n\"b\",\n\"c\", 1\n\"d\", 1, 2,\n",
        "numbers-odd": "[G]\n\"a\", 1e999, -1e999, nan\n\"b\", inf, 0x10, 1e-400\n\"c\", 1.2.3, --1, +\n",
        "quotes-unterminated": "[G]\n\"a, 1, 2, 3\n\"b\\\", 1, 2, 3\n\"c\\",
        "nul-and-controls": "[G\0]\n\"a\0b\", 1, 2, 3\n\x01\x02\x03\n",
        "invalid-utf8": b"[G\xff]\n\"\xe9t\xe9\", 1, 2, 3\n".decode("utf-8", "surrogateescape"),
        "many-groups": "".join("[G%d]\n\"r\", %d, 0, 0\n" % (i, i) for i in range(5000)),
        "same-group-many-times": "".join("[G]\n\"r%d\", %d, 0, 0\n" % (i, i) for i in range(2000)),
        "long-line": "[G]\n\"" + "x" * 50000 + "\", 1, 2, 3\n",
        "only-comments": "# a\n  # b\n\n\r\n",
        "empty": "",
    }
    for name, text in cases.items():
        write("records", name + ".db", text)
    write("records", "random-bytes.db", bytes(rng.randrange(256) for _ in range(4096)))


def catalogue(rng):
    good = '"IPE 100", 100, 55, 5.7, 4.1, 74.6, 10.3, 171, 34.2, 15.9, 5.79, 39.4, 1.2, 351\n'
    cases = {
        "good": "[EN]\n" + good,
        "fields-missing": "[EN]\n\"IPE 100\", 100, 55\n\"IPE 120\"\n",
        "text-for-number": "[EN]\n\"IPE 100\", h, 55, 5.7, 4.1, 74.6, 10.3, 171, 34.2, 15.9, 5.79, 39.4, 1.2, 351\n",
        "zeros": "[EN]\n\"IPE 0\", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\n",
        "negative": "[EN]\n\"IPE -\", -100, -55, -5.7, -4.1, -74.6, -10.3, -171, -34.2, -15.9, -5.79, -39.4, -1.2, -351\n",
        "huge": "[EN]\n\"IPE X\", 1e308, 1e308, 1e308, 1e308, 1e308, 1e308, 1e308, 1e308, 1e308, 1e308, 1e308, 1e308, 1e308\n",
        "flange-thicker-than-height": "[EN]\n\"IPE T\", 10, 55, 50, 4.1, -80, 10.3, 171, 34.2, 15.9, 5.79, 39.4, 1.2, 351\n",
        "nan": "[EN]\n\"IPE N\", nan, 55, 5.7, 4.1, 74.6, nan, 171, 34.2, 15.9, 5.79, 39.4, 1.2, 351\n",
        "no-group": good * 3,
        "name-very-long": "[EN]\n\"" + "I" * 20000 + "\", 100, 55, 5.7, 4.1, 74.6, 10.3, 171, 34.2, 15.9, 5.79, 39.4, 1.2, 351\n",
    }
    for name, text in cases.items():
        write("catalogue", name + ".db", text)
    shipped = os.path.join(os.path.dirname(ROOT), "..", "..", "resources", "data", "Common", "DB",
                           "StandardSectionsI.db")
    with open(shipped, "rb") as f:
        real = f.read()
    for i in range(6):
        data = bytearray(real)
        for _ in range(8):
            data[rng.randrange(len(data))] = rng.choice(b",\n\"[]-e.0 \\\x00")
        write("catalogue", "shipped-flip-%d.db" % i, bytes(data))
    write("catalogue", "shipped-cut.db", real[: len(real) // 3])


def errors(rng):
    cases = {
        "codes-odd": "0 zero\n4294967295 largest\n4294967296 too large\n-1 negative\n+5 plus\n12x glued\n",
        "no-text": "100\n101 \n102\t\n",
        "placeholders": "1 %\n2 %%\n3 %0 %10 %99 %9%\n4 %1%2%3%4%5%6%7%8%9\n5 trailing %\n",
        "escapes": "1 \\\n2 \\n\\\\\\t\\x\n3 ends with \\",
        "bom-only": "\ufeff",
        "nul-bytes": "1 a\0b\n\0\0\n",
        "long-line": "1 " + "%1" * 20000 + "\n",
        "many-codes": "".join("%d text %%1 of %d\n" % (i, i) for i in range(5000)),
        "invalid-utf8": b"1 \xff\xfe\n2 \xc3\x28\n".decode("utf-8", "surrogateescape"),
        "carriage-returns": "1 a\r\n2 b\r\r\n3 c\r",
        "empty": "",
    }
    for name, text in cases.items():
        write("errors", name + ".err", text)
    write("errors", "random-bytes.err", bytes(rng.randrange(256) for _ in range(4096)))


def vectors(rng):
    cases = {
        "ends-after-last-value": "{ 2: 1.5 2.5",
        "complete": "{ 3: 1 2 3 }",
        "size-negative": "{ -1: 1 }",
        "size-huge": "{ 2147483647: 1 2 3",
        "size-overflow": "{ 99999999999: 1",
        "too-few-values": "{ 3: 1 2",
        "values-odd": "{ 4: nan inf -inf 1e99999",
        "commas": "{ 3: 1, 2, 3 }",
        "size-zero": "{ 0: }",
        "no-size": "{ : 1 2 }",
        "only-brace": "{",
        "nothing": "",
        "text": "{ 2: a b }",
        "nul": "{ 2: 1\0 2 }",
        "long": "{ 10000: " + " ".join("%d.5" % i for i in range(10000)),
    }
    for name, text in cases.items():
        write("vector", name + ".txt", text)


def main():
    clear_generated()
    rng = random.Random(16)
    for make in (compound, archive, design, numberformat, picture, settings, records, catalogue, errors, vectors):
        make(rng)
    pictures_in_pictures()


if __name__ == "__main__":
    sys.exit(main())
