#!/usr/bin/env python3
"""Generates orlCodeTablesData.inc, the Japanese mapping tables of the character-code layer.

Sources, all available offline:
  - JIS X 0208 rows 0x21 to 0x7C (code page 932 view) and the code page 932 extension rows:
    decoded with Python's own cp932 codec. Python's cp932 encoder is never used: it picks other
    codes than code page 932 for a few hundred characters, so the Unicode -> code directions
    are built here with code page 932's priorities.
  - JIS X 0212 kanji rows 0x30 to 0x6D: decoded with Python's euc_jp codec.
  - JIS X 0213:2000, the Basic Multilingual Plane characters of level 3 (plane 1) and level 4
    (plane 2) that are in neither JIS X 0208 nor JIS X 0212: the kIRG_JSource field (sources J3
    and J4) of the Unihan database, /usr/share/unicode/Unihan_IRGSources.txt.bz2 (Debian
    package unicode-data), cross-checked with Python's euc_jisx0213 codec.

Usage:
  generate_code_tables.py           writes orlCodeTablesData.inc beside this script
  generate_code_tables.py --check   regenerates in memory and compares with that file;
                                    exit status 1 when they differ, 2 when the Unihan file is
                                    missing

Every table is a strictly increasing array of (key, value) pairs of 16-bit values, searched
with a binary search. The counts and spot values below are asserted; the output depends only
on the sources, so a re-run is byte-identical.
"""

import argparse
import bz2
import collections
import os
import sys

UNIHAN_IRG_SOURCES = "/usr/share/unicode/Unihan_IRGSources.txt.bz2"
OUTPUT_NAME = "orlCodeTablesData.inc"

# The seven codes where code page 932 holds another character than the JIS standard: the code,
# code page 932's character, the standard's character.
SPECIAL_CODES = [
    (0x2140, 0xFF3C, 0x005C),
    (0x2141, 0xFF5E, 0x301C),
    (0x2142, 0x2225, 0x2016),
    (0x215D, 0xFF0D, 0x2212),
    (0x2171, 0xFFE0, 0x00A2),
    (0x2172, 0xFFE1, 0x00A3),
    (0x224C, 0xFFE2, 0x00AC),
]

NEC_ROW = 0x2D

# The pairs of JIS C 6226-1978 codes that JIS X 0208-1983 exchanged, as (row, column) of the
# 1983 position of the first character, that character, the 1983 position of the second, and
# the second character.
EXCHANGED_1983 = [
    ((16, 19), "鯵", (82, 45), "鰺"),
    ((18, 9), "鴬", (82, 84), "鶯"),
    ((19, 34), "蛎", (73, 58), "蠣"),
    ((19, 41), "撹", (57, 88), "攪"),
    ((19, 86), "竃", (67, 62), "竈"),
    ((20, 35), "潅", (62, 85), "灌"),
    ((20, 50), "諌", (75, 61), "諫"),
    ((23, 59), "頚", (80, 84), "頸"),
    ((25, 60), "砿", (66, 72), "礦"),
    ((28, 41), "蕊", (73, 2), "蘂"),
    ((31, 57), "靭", (80, 55), "靱"),
    ((33, 8), "賎", (76, 45), "賤"),
    ((36, 59), "壷", (52, 68), "壺"),
    ((37, 55), "砺", (66, 74), "礪"),
    ((37, 78), "梼", (59, 77), "檮"),
    ((37, 83), "涛", (62, 25), "濤"),
    ((38, 86), "迩", (77, 78), "邇"),
    ((39, 72), "蝿", (74, 4), "蠅"),
    ((41, 16), "桧", (59, 56), "檜"),
    ((43, 89), "侭", (48, 54), "儘"),
    ((44, 89), "薮", (73, 14), "藪"),
    ((47, 22), "篭", (68, 38), "籠"),
]


def check(condition, message):
    if not condition:
        raise SystemExit("generate_code_tables.py: check failed: " + message)


def jis_to_sjis(jis):
    """The Shift_JIS code of a JIS code (rows 0x21 to 0x7E), by the standard rule."""
    row, col = jis >> 8, jis & 0xFF
    lead = (row - 0x21) // 2 + (0x81 if row <= 0x5E else 0xC1)
    if row & 1:
        trail = col + 0x1F
        if trail > 0x7E:
            trail += 1
    else:
        trail = col + 0x7E
    return lead << 8 | trail


def code_bytes(code):
    return bytes([code >> 8, code & 0xFF]) if code > 0xFF else bytes([code])


def decode_one(data, codec):
    """The one character the bytes decode to, or None."""
    try:
        text = data.decode(codec)
    except UnicodeDecodeError:
        return None
    check(len(text) == 1, "%s of %s gives %d characters" % (codec, data.hex(), len(text)))
    return ord(text)


def kuten(row, col):
    return (row + 0x20) << 8 | (col + 0x20)


def build_jis0208():
    table = {}
    for row in range(0x21, 0x7D):
        for col in range(0x21, 0x7F):
            jis = row << 8 | col
            unicode = decode_one(code_bytes(jis_to_sjis(jis)), "cp932")
            if unicode is not None:
                table[jis] = unicode
    check(len(table) == 7336, "JIS X 0208 rows 0x21-0x7C: %d characters, not 7336" % len(table))
    per_row = {row: sum(1 for jis in table if jis >> 8 == row) for row in range(0x21, 0x7D)}
    check(per_row[NEC_ROW] == 83, "NEC row: %d characters" % per_row[NEC_ROW])
    check(all(per_row[row] == 94 for row in (0x79, 0x7A, 0x7B)), "rows 0x79-0x7B not full")
    check(per_row[0x7C] == 92 and 0x7C6F not in table and 0x7C70 not in table, "row 0x7C")
    check(all(per_row[row] == 0 for row in range(0x75, 0x79)), "rows 0x75-0x78 not empty")
    for jis, cp932_char, _ in SPECIAL_CODES:
        check(table.get(jis) == cp932_char, "special code %04X" % jis)
    return table


def reverse_jis0208(table):
    """Unicode -> JIS: the lower code where a character has two, plus the standard's
    characters for the seven special codes."""
    reverse = {}
    for jis in sorted(table, reverse=True):
        reverse[table[jis]] = jis
    counts = collections.Counter(table.values())
    twice = sorted(u for u, count in counts.items() if count > 1)
    check(len(twice) == 10, "%d characters with two codes, not 10" % len(twice))
    check(reverse[0xFFE2] == 0x224C, "U+FFE2 must prefer 0x224C")
    for u in twice:
        if u != 0xFFE2:
            check(reverse[u] >> 8 == 0x22, "U+%04X must prefer its row-2 code" % u)
    for jis, _, standard_char in SPECIAL_CODES:
        check(standard_char not in reverse, "U+%04X already mapped" % standard_char)
        reverse[standard_char] = jis
    check(len(reverse) == 7336 - 10 + 7, "Unicode -> JIS X 0208: %d" % len(reverse))
    check(all(0x5C <= u < 0xFFE6 for u in reverse), "a character in a never-mapping range")
    return reverse


def build_cp932_extension():
    table = {}
    for lead in range(0xED, 0xFD):
        for trail in range(0x40, 0xFD):
            if trail == 0x7F:
                continue
            unicode = decode_one(bytes([lead, trail]), "cp932")
            if unicode is not None and not 0xE000 <= unicode <= 0xF8FF:
                table[lead << 8 | trail] = unicode
    nec_selected = [code for code in table if code >> 8 in (0xED, 0xEE)]
    ibm = [code for code in table if 0xFA <= code >> 8 <= 0xFC]
    check(len(table) == 762, "extension rows: %d codes, not 762" % len(table))
    check(len(nec_selected) == 374 and len(ibm) == 388, "extension rows: 374 + 388")
    check(
        min(nec_selected) == 0xED40 and max(nec_selected) == 0xEEFC
        and 0xEEED not in table and 0xEEEE not in table,
        "NEC-selected IBM rows ED40-EEEC, EEEF-EEFC",
    )
    check(min(ibm) == 0xFA40 and max(ibm) == 0xFC4B, "IBM rows FA40-FC4B")
    return table


def reverse_cp932_extension(jis0208, extension):
    """Unicode -> code page 932 for the characters whose code page 932 code is not an ordinary
    JIS X 0208 code (rows 0x21 to 0x78 outside the NEC row): the NEC row code (lead byte 0x87)
    if there is one, else the IBM extension code (lead bytes 0xFA to 0xFC)."""
    ordinary = set()
    nec = {}
    for jis, unicode in jis0208.items():
        row = jis >> 8
        if row == NEC_ROW:
            check(unicode not in nec, "U+%04X twice in the NEC row" % unicode)
            nec[unicode] = jis_to_sjis(jis)
        elif row <= 0x78:
            ordinary.add(unicode)
    ibm = {}
    for code in sorted(extension, reverse=True):
        if 0xFA <= code >> 8 <= 0xFC:
            ibm[extension[code]] = code
    reverse = {}
    for unicode in sorted(set(nec) | set(extension.values())):
        if unicode in ordinary:
            continue
        code = nec.get(unicode, ibm.get(unicode))
        check(code is not None, "U+%04X only in the NEC-selected IBM rows" % unicode)
        reverse[unicode] = code
    return reverse


def build_jis0212():
    table = {}
    for row in range(0x30, 0x6E):
        for col in range(0x21, 0x7F):
            unicode = decode_one(bytes([0x8F, row | 0x80, col | 0x80]), "euc_jp")
            if unicode is not None:
                table[row << 8 | col] = unicode
    check(len(table) == 5801, "JIS X 0212 kanji rows: %d, not 5801" % len(table))
    return table


def read_unihan_jis0213(path):
    plane1, plane2 = {}, {}
    with bz2.open(path, "rt", encoding="utf-8") as lines:
        for line in lines:
            fields = line.rstrip("\n").split("\t")
            if len(fields) < 3 or fields[1] != "kIRG_JSource":
                continue
            unicode = int(fields[0][2:], 16)
            source = fields[2]
            if unicode > 0xFFFF:
                continue
            if source.startswith("J3-"):
                target = plane1
            elif source.startswith("J4-"):
                target = plane2
            else:
                continue
            jis = int(source[3:], 16)
            check(jis not in target, "%s twice" % source)
            target[jis] = unicode
    check(len(plane1) == 169, "JIS X 0213 plane 1: %d, not 169" % len(plane1))
    check(len(plane2) == 388, "JIS X 0213 plane 2: %d, not 388" % len(plane2))
    plane1_rows = {0x2E, 0x2F, 0x4F} | set(range(0x74, 0x7F))
    check({jis >> 8 for jis in plane1} == plane1_rows, "JIS X 0213 plane 1 rows")
    plane2_rows = {0x21, 0x23, 0x24, 0x25, 0x28} | set(range(0x2C, 0x30)) | set(range(0x6E, 0x7F))
    check({jis >> 8 for jis in plane2} <= plane2_rows, "JIS X 0213 plane 2 rows")
    check(0x7D3B not in plane2, "plane 2 0x7D3B must be left out")
    for jis, unicode in plane1.items():
        data = bytes([jis >> 8 | 0x80, jis & 0xFF | 0x80])
        check(decode_one(data, "euc_jisx0213") == unicode, "plane 1 %04X" % jis)
    for jis, unicode in plane2.items():
        data = bytes([0x8F, jis >> 8 | 0x80, jis & 0xFF | 0x80])
        check(decode_one(data, "euc_jisx0213") == unicode, "plane 2 %04X" % jis)
    return plane1, plane2


def build_1978_exchanges(jis0208):
    table = {}
    for (row_a, col_a), char_a, (row_b, col_b), char_b in EXCHANGED_1983:
        code_a, code_b = kuten(row_a, col_a), kuten(row_b, col_b)
        for code, char in ((code_a, char_a), (code_b, char_b)):
            check(jis0208.get(code) == ord(char), "%s is not at %04X" % (char, code))
        check(code_a not in table and code_b not in table, "%04X or %04X twice" % (code_a, code_b))
        table[code_a] = code_b
        table[code_b] = code_a
    check(len(table) == 44, "22 exchanged pairs")
    return table


def reverse(table, name):
    result = {unicode: code for code, unicode in table.items()}
    check(len(result) == len(table), "%s: a character with two codes" % name)
    return result


def encode_cp932(unicode, jis0208_reverse, extension_reverse):
    """The code page 932 code of a character as the Shift_JIS encoder makes it, or None."""
    if 0x01 <= unicode <= 0x7F:
        return unicode
    if unicode == 0xA5:
        return 0x5C
    if unicode == 0x203E:
        return 0x7E
    if 0xFF61 <= unicode <= 0xFF9F:
        return unicode - 0xFF40 | 0x80
    for jis, cp932_char, standard_char in SPECIAL_CODES:
        if unicode in (cp932_char, standard_char):
            return jis_to_sjis(jis)
    if unicode in extension_reverse:
        return extension_reverse[unicode]
    if unicode in jis0208_reverse:
        return jis_to_sjis(jis0208_reverse[unicode])
    return None


def check_cp932_encoding(jis0208_reverse, extension_reverse):
    """Every character the Shift_JIS encoder maps decodes back to itself (apart from the
    characters it maps on purpose to another one's code); no NEC-selected IBM code is made."""
    deliberate = {0xA5: 0x5C, 0x203E: 0x7E}
    for _, cp932_char, standard_char in SPECIAL_CODES:
        if standard_char > 0x7F:
            deliberate[standard_char] = cp932_char
    for unicode in range(0x10000):
        code = encode_cp932(unicode, jis0208_reverse, extension_reverse)
        if code is None:
            continue
        check(code >> 8 not in (0xED, 0xEE), "U+%04X encodes to %04X" % (unicode, code))
        back = decode_one(code_bytes(code), "cp932")
        expected = deliberate.get(unicode, unicode)
        check(back == expected, "U+%04X -> %04X -> U+%04X" % (unicode, code, back or 0))
    spots = {0x3042: 0x82A0, 0x2170: 0xFA40, 0xFF71: 0xB1, 0x2160: 0x8754, 0xFFE2: 0x81CA}
    for unicode, code in spots.items():
        check(encode_cp932(unicode, jis0208_reverse, extension_reverse) == code,
              "U+%04X must encode to %X" % (unicode, code))
    check(extension_reverse.get(0xFFE2) is None and jis0208_reverse[0xFFE2] == 0x224C,
          "U+FFE2 goes through its row-2 code")


def format_table(name, comment, table):
    lines = ["// " + comment, "constexpr CodePair %s[%d] = {" % (name, len(table))]
    items = ["{0x%04X, 0x%04X}," % (key, table[key]) for key in sorted(table)]
    for start in range(0, len(items), 8):
        lines.append("    " + " ".join(items[start:start + 8]))
    lines.append("};")
    return "\n".join(lines) + "\n"


def generate():
    jis0208 = build_jis0208()
    jis0208_reverse = reverse_jis0208(jis0208)
    extension = build_cp932_extension()
    extension_reverse = reverse_cp932_extension(jis0208, extension)
    jis0212 = build_jis0212()
    plane1, plane2 = read_unihan_jis0213(UNIHAN_IRG_SOURCES)
    exchanges = build_1978_exchanges(jis0208)
    check_cp932_encoding(jis0208_reverse, extension_reverse)

    tables = [
        ("kJis0208ToUnicode", "JIS X 0208 rows 0x21-0x7C, code page 932 view.", jis0208),
        ("kUnicodeToJis0208", "Unicode -> JIS X 0208.", jis0208_reverse),
        ("kCp932ExtensionToUnicode", "Code page 932 lead bytes 0xED-0xFC.", extension),
        ("kUnicodeToCp932Extension",
         "Unicode -> code page 932 NEC row (0x87) or IBM extension (0xFA-0xFC).",
         extension_reverse),
        ("kJis0212ToUnicode", "JIS X 0212 kanji rows 0x30-0x6D.", jis0212),
        ("kUnicodeToJis0212", "Unicode -> JIS X 0212.", reverse(jis0212, "JIS X 0212")),
        ("kJis0213Plane1ToUnicode", "JIS X 0213:2000 plane 1, level 3 (BMP).", plane1),
        ("kUnicodeToJis0213Plane1", "Unicode -> JIS X 0213 plane 1.", reverse(plane1, "plane 1")),
        ("kJis0213Plane2ToUnicode", "JIS X 0213:2000 plane 2 (BMP).", plane2),
        ("kUnicodeToJis0213Plane2", "Unicode -> JIS X 0213 plane 2.", reverse(plane2, "plane 2")),
        ("kJis1978To1983", "JIS C 6226-1978 code -> JIS X 0208-1983 code, exchanged pairs only.",
         exchanges),
    ]
    parts = [
        "// clang-format off\n"
        "// Generated by generate_code_tables.py; do not edit. Each table is a strictly\n"
        "// increasing array of {key, value} pairs.\n"
    ]
    for name, comment, table in tables:
        parts.append("\n" + format_table(name, comment, table))
    return "".join(parts)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed file instead of writing it")
    args = parser.parse_args()
    if not os.path.exists(UNIHAN_IRG_SOURCES):
        print("generate_code_tables.py: %s is missing (Debian package unicode-data)"
              % UNIHAN_IRG_SOURCES, file=sys.stderr)
        return 2
    output = os.path.join(os.path.dirname(os.path.abspath(__file__)), OUTPUT_NAME)
    text = generate()
    if args.check:
        try:
            with open(output, encoding="utf-8", newline="") as existing:
                same = existing.read() == text
        except FileNotFoundError:
            same = False
        if not same:
            print("generate_code_tables.py: %s is out of date" % output, file=sys.stderr)
            return 1
        return 0
    with open(output, "w", encoding="utf-8", newline="\n") as file:
        file.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
