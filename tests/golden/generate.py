#!/usr/bin/env python3
"""Golden calendar pages for hibimaker's HTML writer.

Reads cases.tsv (one row per page: the year and month as typed, the three option codes and the
colour changes the user made) and builds each page line by line the way hibimaker saves it:
Shift-JIS through Python's cp932 codec, CR LF after every line including the last, no BOM.
Each page is written next to this script under the file name its row gives.

Weekdays and month lengths come from Python's datetime module, not from the program's own
weekday arithmetic, so the pages check the C++ writer from outside. Before building anything the
script checks its own line tables against hand-worked examples (the October 2025 week grids, three
list fragments, the line-count formulas, a few weekday and entry conversions), so a slip in a
table here stops the run instead of landing in a golden page.

Usage:
    python3 tests/golden/generate.py           # rewrite every page listed in cases.tsv
    python3 tests/golden/generate.py --check   # rebuild in memory, exit 1 if a page on disk
                                               # differs, is missing or is not listed
"""

import datetime
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
CASES_FILE = HERE / "cases.tsv"
CASES_HEADER = ["file", "year_text", "month_text", "typeNo", "youbiNo", "memoranNo", "colours"]

# ---------------------------------------------------------------------------------------------
# Line tables. Each entry is (indent, text): indent is the number of leading ASCII blanks, text
# the rest of the line with {placeholders}. An indent given as a dict depends on the layout
# (typeNo 2 = week grid with Sunday left, 3 = Sunday right).
# ---------------------------------------------------------------------------------------------

# Weekday labels by youbiNo, indexed 0 = Sunday .. 6 = Saturday.
LABELS = {
    0: ["", "", "", "", "", "", ""],
    1: ["S", "M", "T", "W", "T", "F", "S"],
    2: ["SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"],
    3: ["日", "月", "火", "水", "木", "金", "土"],
}

IDEO_SP = "\u3000"  # ideographic space, 81 40 in the file

# Line 1 of the page and the seven head lines.
HEAD = [
    (0, "<html>"),
    (0, "<head>"),
    (0, "<title> {year}年{month}月 </title>"),
    (0, "</head>"),
    (1, ""),
    (0, "<body>"),
    (0, "<!--ここから-->"),
    (0, '<table border="1" width="90%">'),
]

TAIL = [
    (0, "</table>"),
    (0, "<!-- ここまで -->"),
    (0, "</body>"),
    (0, "</html>"),
]

# One-column list (typeNo 0): one block per day, by memoranNo.
LIST1_DAY = {
    0: [
        (2, "<tr>"),
        (4, '<td><table border="0" width="100%"><tr>'),
        (6, '<td bgcolor="#{bg}"><font color="#{fg}">'),
        (8, "{d} {name}"),
        (6, "</font></td>"),
        (4, "</table></td>"),
        (2, "</tr>"),
    ],
    1: [
        (2, "<tr>"),
        (4, '<td><table border="0" width="100%"><tr>'),
        (6, '<td bgcolor="#{bg}" width="30%"><font color="#{fg}">'),
        (8, "{d}{name}"),
        (6, "</font></td>"),
        (6, '<td bgcolor="#{memo_bg}" width="70%"><font color="#{memo_fg}">'),
        (0, "<!-- {d}日記入欄 -->"),
        (6, "</font></td></tr>"),
        (4, "</table></td>"),
        (2, "</tr>"),
    ],
}

# Two-column list (typeNo 1): 16 rows, each holding day r and, if the month has it, day r + 16.
LIST2_ROW_OPEN = (2, "<tr>")
LIST2_ROW_CLOSE = (2, "</tr>")
LIST2_ROWS = 16
LIST2_DAY = {
    0: [
        (4, '<td><table border="0" width="100%">'),
        (6, "<tr>"),
        (8, '<td bgcolor="#{bg}"><font color="#{fg}">'),
        (10, "{d} {name}"),
        (8, "</font></td>"),
        (6, "</tr>"),
        (4, "</table></td>"),
    ],
    1: [
        (4, '<td><table border="0" width="100%">'),
        (6, "<tr>"),
        (8, '<td bgcolor="#{bg}" width="30%"><font color="#{fg}">'),
        (10, "{d} {name}"),
        (8, "</font></td>"),
        (8, '<td bgcolor="#{memo_bg}" width="70%"><font color="#{memo_fg}">'),
        (0, "<!-- {d}日記入欄 -->"),
        (8, "</font></td>"),
        (6, "</tr>"),
        (4, "</table></td>"),
    ],
}

# Week grids (typeNo 2 and 3). Header and day cells write 'font color ="#' (blank before '='),
# the memo area 'font color="#'. The memo cell's outer <td> is never closed.
GRID_COLUMNS = {2: [0, 1, 2, 3, 4, 5, 6], 3: [1, 2, 3, 4, 5, 6, 0]}  # weekday of each column
GRID_HEADER_OPEN = {2: (4, "<tr>"), 3: (2, "<tr>")}
GRID_HEADER_CELL = [
    (6, '<td bgcolor="#{bg}" width="14%"><font color ="#{fg}">'),
    (0, "{name}"),
    (6, "</font></td>"),
]
GRID_HEADER_CLOSE = (4, "</tr>")
GRID_FIRST_ROW_OPEN = (6, "<tr>")
GRID_LEAD_IN = (6, "<td></td>")
GRID_DAY_CELL = {
    0: [
        (6, '<td bgcolor="#{bg}"><font color ="#{fg}">'),
        (8, "{d}"),
        (6, "</font></td>"),
    ],
    1: [
        (6, '<td><table border="0" width="100%"><tr>'),
        (8, '<td bgcolor="#{bg}"><font color ="#{fg}">'),
        (12, "{d}"),
        (8, "</font></td>"),
        ({2: 8, 3: 6}, "</tr><tr>"),
        (8, '<td bgcolor="#{memo_bg}"><font color="#{memo_fg}">'),
        (0, IDEO_SP + "<!-- {d}日記入欄 -->"),
        (8, "</font></td></tr></table>"),
    ],
}
GRID_ROW_BREAK = (4, "</tr><tr>")
GRID_LAST_CLOSE = (5, "</tr>")

# Colours as six upper-case hex digits, red first. Class of each weekday, and the colours of the
# sample labels before the user changes anything.
WEEKDAY_CLASS = ["sun", "wk", "wk", "wk", "wk", "wk", "sat"]
INITIAL_CLASS_COLOURS = {
    "sun": {"font": "000000", "base": "FF00FF"},
    "sat": {"font": "000000", "base": "00FFFF"},
    "wk": {"font": "000000", "base": "FFFFFF"},
    "memo": {"font": "000000", "base": "FFFFFF"},
}


def render(table, layout=None, **fields):
    """Turn (indent, text) entries into page lines."""
    lines = []
    for indent, text in table:
        if isinstance(indent, dict):
            indent = indent[layout]
        lines.append(" " * indent + text.format(**fields))
    return lines


# ---------------------------------------------------------------------------------------------
# Inputs: the typed entries, the month, the colour state.
# ---------------------------------------------------------------------------------------------

INT_MIN, INT_MAX = -(2**31), 2**31 - 1


def entry_to_int(text):
    """Convert a typed entry as the program does: leading blanks, then a signed decimal number
    or a hex number after '$', 'x', 'X', '0x' or '0X' (taken as 32 bits); nothing after it."""
    m = re.fullmatch(r" *([+-]?[0-9]+)", text)
    if m:
        value = int(m.group(1))
        if INT_MIN <= value <= INT_MAX:
            return value
    m = re.fullmatch(r" *(?:\$|0x|0X|x|X)([0-9A-Fa-f]+)", text)
    if m:
        value = int(m.group(1), 16)
        if value <= 0xFFFFFFFF:
            return value - 2**32 if value > INT_MAX else value
    raise ValueError(f"'{text}' is not an integer")


class Month:
    """Length of a month and the weekday (0 = Sunday) of each of its days, from datetime."""

    def __init__(self, year, month):
        first = datetime.date(year, month, 1)
        following = datetime.date(year + month // 12, month % 12 + 1, 1)
        self.year, self.month = year, month
        self.days = (following - first).days
        self.weekday = [None] + [
            datetime.date(year, month, d).isoweekday() % 7 for d in range(1, self.days + 1)
        ]


def parse_colours(field):
    """'-' or 'target=RRGGBB;...' -> list of (target, colour)."""
    if field == "-":
        return []
    result = []
    for item in field.split(";"):
        target, sep, colour = item.partition("=")
        if not sep or not re.fullmatch(r"[0-9A-F]{6}", colour):
            raise ValueError(f"bad colour assignment {item!r}")
        result.append((target, colour))
    return result


def colour_state(month, assignments):
    """Class colours and per-day colours at the moment the page is built: class assignments
    first, then every day takes its class colours, then the single-day assignments in order."""
    classes = {name: dict(pair) for name, pair in INITIAL_CLASS_COLOURS.items()}
    day_changes = []
    for target, colour in assignments:
        m = re.fullmatch(r"(sun|sat|wk|memo)\.(font|base)", target)
        if m:
            classes[m.group(1)][m.group(2)] = colour
            continue
        m = re.fullmatch(r"day([1-9][0-9]?)\.(font|base)", target)
        if not m or int(m.group(1)) > month.days:
            raise ValueError(f"bad colour target {target!r}")
        day_changes.append((int(m.group(1)), m.group(2), colour))
    days = [None] + [
        dict(classes[WEEKDAY_CLASS[month.weekday[d]]]) for d in range(1, month.days + 1)
    ]
    for d, part, colour in day_changes:
        days[d][part] = colour
    return classes, days


# ---------------------------------------------------------------------------------------------
# Page building.
# ---------------------------------------------------------------------------------------------


def day_fields(d, month, classes, days, labels):
    return dict(
        d=d,
        name=labels[month.weekday[d]],
        bg=days[d]["base"],
        fg=days[d]["font"],
        memo_bg=classes["memo"]["base"],
        memo_fg=classes["memo"]["font"],
    )


def list_body(type_no, youbi_no, memo, month, classes, days):
    labels = LABELS[youbi_no]
    lines = []
    if type_no == 0:
        for d in range(1, month.days + 1):
            lines += render(LIST1_DAY[memo], **day_fields(d, month, classes, days, labels))
        return lines
    for r in range(1, LIST2_ROWS + 1):
        lines += render([LIST2_ROW_OPEN])
        for d in (r, r + LIST2_ROWS):
            if d <= month.days:
                lines += render(LIST2_DAY[memo], **day_fields(d, month, classes, days, labels))
        lines += render([LIST2_ROW_CLOSE])
    return lines


def grid_body(type_no, youbi_no, memo, month, classes, days):
    labels = LABELS[youbi_no]
    columns = GRID_COLUMNS[type_no]
    column_of = {weekday: col for col, weekday in enumerate(columns)}
    lines = []
    if youbi_no != 0:
        lines += render([GRID_HEADER_OPEN[type_no]])
        for weekday in columns:
            cls = classes[WEEKDAY_CLASS[weekday]]
            lines += render(GRID_HEADER_CELL, bg=cls["base"], fg=cls["font"], name=labels[weekday])
        lines += render([GRID_HEADER_CLOSE])
    lines += render([GRID_FIRST_ROW_OPEN])
    lines += render([GRID_LEAD_IN] * column_of[month.weekday[1]])
    for d in range(1, month.days + 1):
        lines += render(GRID_DAY_CELL[memo], layout=type_no,
                        **day_fields(d, month, classes, days, labels))
        if d < month.days and column_of[month.weekday[d]] == 6:
            lines += render([GRID_ROW_BREAK])
    lines += render([GRID_LAST_CLOSE])
    return lines


def body_lines(type_no, youbi_no, memo, month, classes, days):
    writer = list_body if type_no in (0, 1) else grid_body
    return writer(type_no, youbi_no, memo, month, classes, days)


def page_lines(year_text, month_text, body):
    return render(HEAD, year=year_text, month=month_text) + body + render(TAIL)


def encode_page(lines):
    return "".join(line + "\r\n" for line in lines).encode("cp932")


class Case:
    def __init__(self, row):
        self.file, self.year_text, self.month_text = row[0], row[1], row[2]
        self.type_no, self.youbi_no, self.memo = int(row[3]), int(row[4]), int(row[5])
        if not re.fullmatch(r"[a-z0-9-]+\.html", self.file):
            raise ValueError(f"bad file name {self.file!r}")
        if self.type_no not in (0, 1, 2, 3) or self.youbi_no not in LABELS or self.memo not in (0, 1):
            raise ValueError(f"{self.file}: option code out of range")
        year, month = entry_to_int(self.year_text), entry_to_int(self.month_text)
        if year < 1900 or not 1 <= month <= 12:
            raise ValueError(f"{self.file}: step 1 would refuse {year}/{month}")
        self.month = Month(year, month)
        self.classes, self.days = colour_state(self.month, parse_colours(row[6]))

    def body(self):
        return body_lines(self.type_no, self.youbi_no, self.memo, self.month,
                          self.classes, self.days)

    def lines(self):
        return page_lines(self.year_text, self.month_text, self.body())


def read_cases():
    with open(CASES_FILE, encoding="utf-8", newline="") as f:
        rows = [line.rstrip("\r\n").split("\t") for line in f if line.strip()]
    if rows[0] != CASES_HEADER:
        raise ValueError(f"cases.tsv header must be: {' '.join(CASES_HEADER)}")
    for row in rows[1:]:
        if len(row) != len(CASES_HEADER):
            raise ValueError(f"cases.tsv: expected {len(CASES_HEADER)} fields: {row}")
    cases = [Case(row) for row in rows[1:]]
    names = [case.file for case in cases]
    if len(set(names)) != len(names):
        raise ValueError("cases.tsv: a file name is listed twice")
    return cases


# ---------------------------------------------------------------------------------------------
# Self-checks against hand-worked examples.
# ---------------------------------------------------------------------------------------------


def expected_body_count(type_no, youbi_no, memo, month):
    """Body line count by formula, with the lead-in worked out from the weekday of the day
    before day 1 rather than from the column table the writer uses."""
    n = month.days
    if type_no == 0:
        return (7, 10)[memo] * n
    if type_no == 1:
        return 32 + (7, 10)[memo] * n
    zero = (month.weekday[1] + 6) % 7
    lead_in = (zero + 1) % 7 if type_no == 2 else zero
    rows = -(-(lead_in + n) // 7)
    return (23 if youbi_no else 0) + 1 + lead_in + (3, 8)[memo] * n + (rows - 1) + 1


def sample(block):
    """'N|line' rows -> {N: line}; everything after the first '|' is the line, blanks included."""
    result = {}
    for row in block.strip("\n").split("\n"):
        number, line = row.split("|", 1)
        result[int(number)] = line
    return result


def expect_lines(what, lines, block, first=1):
    """Check that lines[N - first] equals each sample line N."""
    for number, want in sample(block).items():
        got = lines[number - first] if 0 <= number - first < len(lines) else None
        assert got == want, f"{what}, line {number}: got {got!r}, want {want!r}"


def grid_placement(body):
    """Rows of a week-grid body as text: '-' per lead-in cell, then the day numbers."""
    rows, current, started = [], [], False
    for line in body:
        if line == " " * 6 + "<tr>":
            started = True
        elif not started:
            continue
        elif line == " " * 6 + "<td></td>":
            current.append("-")
        elif line.strip().isdigit():
            current.append(line.strip())
        elif line in ("    </tr><tr>", "     </tr>"):
            rows.append(" ".join(current))
            current = []
    return rows


# Hand-written placement of the days for every month used in a week-grid page.
PLACEMENTS = {
    (2025, 10, 2): ["- - - 1 2 3 4", "5 6 7 8 9 10 11", "12 13 14 15 16 17 18",
                    "19 20 21 22 23 24 25", "26 27 28 29 30 31"],
    (2025, 10, 3): ["- - 1 2 3 4 5", "6 7 8 9 10 11 12", "13 14 15 16 17 18 19",
                    "20 21 22 23 24 25 26", "27 28 29 30 31"],
    (2026, 2, 2): ["1 2 3 4 5 6 7", "8 9 10 11 12 13 14", "15 16 17 18 19 20 21",
                   "22 23 24 25 26 27 28"],
    (2026, 2, 3): ["- - - - - - 1", "2 3 4 5 6 7 8", "9 10 11 12 13 14 15",
                   "16 17 18 19 20 21 22", "23 24 25 26 27 28"],
    (2025, 11, 2): ["- - - - - - 1", "2 3 4 5 6 7 8", "9 10 11 12 13 14 15",
                    "16 17 18 19 20 21 22", "23 24 25 26 27 28 29", "30"],
}

# October 2025, kanji labels, initial colours: Sunday-left grid without memo column.
OCT2025_SUNLEFT = """
1|    <tr>
2|      <td bgcolor="#FF00FF" width="14%"><font color ="#000000">
3|日
4|      </font></td>
5|      <td bgcolor="#FFFFFF" width="14%"><font color ="#000000">
6|月
7|      </font></td>
8|      <td bgcolor="#FFFFFF" width="14%"><font color ="#000000">
9|火
10|      </font></td>
11|      <td bgcolor="#FFFFFF" width="14%"><font color ="#000000">
12|水
13|      </font></td>
14|      <td bgcolor="#FFFFFF" width="14%"><font color ="#000000">
15|木
16|      </font></td>
17|      <td bgcolor="#FFFFFF" width="14%"><font color ="#000000">
18|金
19|      </font></td>
20|      <td bgcolor="#00FFFF" width="14%"><font color ="#000000">
21|土
22|      </font></td>
23|    </tr>
24|      <tr>
25|      <td></td>
26|      <td></td>
27|      <td></td>
28|      <td bgcolor="#FFFFFF"><font color ="#000000">
29|        1
30|      </font></td>
31|      <td bgcolor="#FFFFFF"><font color ="#000000">
32|        2
33|      </font></td>
34|      <td bgcolor="#FFFFFF"><font color ="#000000">
35|        3
36|      </font></td>
37|      <td bgcolor="#00FFFF"><font color ="#000000">
38|        4
39|      </font></td>
40|    </tr><tr>
41|      <td bgcolor="#FF00FF"><font color ="#000000">
42|        5
43|      </font></td>
119|      <td bgcolor="#FFFFFF"><font color ="#000000">
120|        30
121|      </font></td>
122|      <td bgcolor="#FFFFFF"><font color ="#000000">
123|        31
124|      </font></td>
125|     </tr>
"""

# Same month and labels, Sunday-right grid without memo column.
OCT2025_SUNRIGHT = """
1|  <tr>
2|      <td bgcolor="#FFFFFF" width="14%"><font color ="#000000">
3|月
4|      </font></td>
20|      <td bgcolor="#FF00FF" width="14%"><font color ="#000000">
21|日
22|      </font></td>
23|    </tr>
24|      <tr>
25|      <td></td>
26|      <td></td>
27|      <td bgcolor="#FFFFFF"><font color ="#000000">
28|        1
29|      </font></td>
30|      <td bgcolor="#FFFFFF"><font color ="#000000">
31|        2
32|      </font></td>
33|      <td bgcolor="#FFFFFF"><font color ="#000000">
34|        3
35|      </font></td>
36|      <td bgcolor="#00FFFF"><font color ="#000000">
37|        4
38|      </font></td>
39|      <td bgcolor="#FF00FF"><font color ="#000000">
40|        5
41|      </font></td>
42|    </tr><tr>
43|      <td bgcolor="#FFFFFF"><font color ="#000000">
44|        6
45|      </font></td>
118|      <td bgcolor="#FFFFFF"><font color ="#000000">
119|        30
120|      </font></td>
121|      <td bgcolor="#FFFFFF"><font color ="#000000">
122|        31
123|      </font></td>
124|     </tr>
"""

# Same month and labels with the memo column: the first day row up to day 1's cell.
OCT2025_SUNLEFT_MEMO = """
24|      <tr>
25|      <td></td>
26|      <td></td>
27|      <td></td>
28|      <td><table border="0" width="100%"><tr>
29|        <td bgcolor="#FFFFFF"><font color ="#000000">
30|            1
31|        </font></td>
32|        </tr><tr>
33|        <td bgcolor="#FFFFFF"><font color="#000000">
34|\u3000<!-- 1日記入欄 -->
35|        </font></td></tr></table>
"""

OCT2025_SUNRIGHT_MEMO = """
27|      <td><table border="0" width="100%"><tr>
28|        <td bgcolor="#FFFFFF"><font color ="#000000">
29|            1
30|        </font></td>
31|      </tr><tr>
32|        <td bgcolor="#FFFFFF"><font color="#000000">
33|\u3000<!-- 1日記入欄 -->
34|        </font></td></tr></table>
"""

# One-column list with memo column, kanji labels, a month starting on a Sunday: page lines 9-28.
LIST_EXAMPLE_1 = """
9|  <tr>
10|    <td><table border="0" width="100%"><tr>
11|      <td bgcolor="#FF00FF" width="30%"><font color="#000000">
12|        1日
13|      </font></td>
14|      <td bgcolor="#FFFFFF" width="70%"><font color="#000000">
15|<!-- 1日記入欄 -->
16|      </font></td></tr>
17|    </table></td>
18|  </tr>
19|  <tr>
20|    <td><table border="0" width="100%"><tr>
21|      <td bgcolor="#FFFFFF" width="30%"><font color="#000000">
22|        2月
23|      </font></td>
24|      <td bgcolor="#FFFFFF" width="70%"><font color="#000000">
25|<!-- 2日記入欄 -->
26|      </font></td></tr>
27|    </table></td>
28|  </tr>
"""

# Two-column list without memo column, three-letter labels, a 30-day month starting on a
# Sunday: the last 34 body lines (rows 14 to 16).
LIST_EXAMPLE_2 = """
1|  <tr>
2|    <td><table border="0" width="100%">
3|      <tr>
4|        <td bgcolor="#00FFFF"><font color="#000000">
5|          14 SAT
6|        </font></td>
7|      </tr>
8|    </table></td>
9|    <td><table border="0" width="100%">
10|      <tr>
11|        <td bgcolor="#FFFFFF"><font color="#000000">
12|          30 MON
13|        </font></td>
14|      </tr>
15|    </table></td>
16|  </tr>
17|  <tr>
18|    <td><table border="0" width="100%">
19|      <tr>
20|        <td bgcolor="#FF00FF"><font color="#000000">
21|          15 SUN
22|        </font></td>
23|      </tr>
24|    </table></td>
25|  </tr>
26|  <tr>
27|    <td><table border="0" width="100%">
28|      <tr>
29|        <td bgcolor="#FFFFFF"><font color="#000000">
30|          16 MON
31|        </font></td>
32|      </tr>
33|    </table></td>
34|  </tr>
"""

# Two-column list with memo column, one-letter labels, a 31-day month starting on a Sunday,
# memo colours FFFFCC on 333333: the first row (22 body lines).
LIST_EXAMPLE_3 = """
1|  <tr>
2|    <td><table border="0" width="100%">
3|      <tr>
4|        <td bgcolor="#FF00FF" width="30%"><font color="#000000">
5|          1 S
6|        </font></td>
7|        <td bgcolor="#FFFFCC" width="70%"><font color="#333333">
8|<!-- 1日記入欄 -->
9|        </font></td>
10|      </tr>
11|    </table></td>
12|    <td><table border="0" width="100%">
13|      <tr>
14|        <td bgcolor="#FFFFFF" width="30%"><font color="#000000">
15|          17 T
16|        </font></td>
17|        <td bgcolor="#FFFFCC" width="70%"><font color="#333333">
18|<!-- 17日記入欄 -->
19|        </font></td>
20|      </tr>
21|    </table></td>
22|  </tr>
"""


def build(type_no, youbi_no, memo, year, month, colours="-"):
    m = Month(year, month)
    classes, days = colour_state(m, parse_colours(colours))
    return body_lines(type_no, youbi_no, memo, m, classes, days)


def check_shape(what, body, type_no, youbi_no, memo, month):
    """Line count by formula, and the two spellings of the font colour attribute."""
    want = expected_body_count(type_no, youbi_no, memo, month)
    assert len(body) == want, f"{what}: {len(body)} body lines, formula gives {want}"
    # 'font color ="#' (blank before '=') belongs to week-grid header and day cells only.
    spaced = sum('font color ="#' in line for line in body)
    plain = sum('font color="#' in line for line in body)
    if type_no in (0, 1):
        assert (spaced, plain) == (0, month.days * (1 + memo)), f"{what}: font color forms"
    else:
        header = 7 if youbi_no else 0
        assert (spaced, plain) == (header + month.days, month.days * memo), \
            f"{what}: font color forms"


def check_body(what, body, type_no, youbi_no, memo, month):
    check_shape(what, body, type_no, youbi_no, memo, month)
    if type_no in (2, 3):
        key = (month.year, month.month, type_no)
        assert key in PLACEMENTS, f"{what}: no hand-written placement for {key}"
        got = grid_placement(body)
        assert got == PLACEMENTS[key], f"{what}: rows {got}, want {PLACEMENTS[key]}"


def self_check():
    # Entry conversion: what step 1 accepts and the value it takes.
    for text, value in [(" 7", 7), ("+7", 7), ("03", 3), ("$C", 12), ("0x7D0", 2000),
                        ("2147483647", INT_MAX), ("xFFFFFFFF", -1)]:
        assert entry_to_int(text) == value, f"entry {text!r}"
    for text in ["7 ", "", "+", "$", "-$1", "2147483648", "0x100000000", "1e3"]:
        try:
            entry_to_int(text)
        except ValueError:
            continue
        raise AssertionError(f"entry {text!r} should not convert")

    # Weekday of day 1 (0 = Sunday) and month length.
    for year, month, day1, length in [(1900, 1, 1, 31), (1900, 2, 4, 28), (2000, 1, 6, 31),
                                      (2000, 2, 2, 29), (2023, 12, 5, 31), (2024, 2, 4, 29),
                                      (2024, 3, 5, 31), (2100, 2, 1, 28), (2400, 2, 2, 29),
                                      (2025, 10, 3, 31), (2026, 2, 0, 28)]:
        m = Month(year, month)
        assert (m.weekday[1], m.days) == (day1, length), f"month {year}-{month}"

    # Class colours reach every day; a single-day change survives, a class change is applied
    # before it.
    _, days = colour_state(Month(2000, 1), parse_colours("sat.base=102030;day8.base=ABCDEF"))
    assert days[1] == {"font": "000000", "base": "102030"}
    assert days[2] == {"font": "000000", "base": "FF00FF"}
    assert days[3] == {"font": "000000", "base": "FFFFFF"}
    assert days[8] == {"font": "000000", "base": "ABCDEF"}

    # Frame: title text as typed, line 5 one blank, the Shift-JIS bytes of the wide characters.
    assert page_lines("2001", "3", [])[2] == "<title> 2001年3月 </title>"
    assert page_lines("2001", "03", [])[2] == "<title> 2001年03月 </title>"
    assert page_lines(" 2024", "03", [])[2] == "<title>  2024年03月 </title>"
    assert page_lines("2001", "3", [])[4] == " "
    assert len(page_lines("2001", "3", [])) == 12
    assert encode_page([IDEO_SP + "日"]) == b"\x81\x40\x93\xfa\r\n"

    # Week grids, October 2025, kanji labels, initial colours.
    m = Month(2025, 10)
    for type_no, memo, count, block in [(2, 0, 125, OCT2025_SUNLEFT), (3, 0, 124, OCT2025_SUNRIGHT),
                                        (2, 1, 280, OCT2025_SUNLEFT_MEMO),
                                        (3, 1, 279, OCT2025_SUNRIGHT_MEMO)]:
        what = f"October 2025 grid typeNo {type_no} memo {memo}"
        body = build(type_no, 3, memo, 2025, 10)
        assert len(body) == count, f"{what}: {len(body)} lines, want {count}"
        expect_lines(what, body, block)
        check_body(what, body, type_no, 3, memo, m)

    # List fragments. The months are chosen for the weekday of day 1 and the length asked for.
    feb2026, sep2024, dec2024 = Month(2026, 2), Month(2024, 9), Month(2024, 12)
    assert feb2026.weekday[1] == sep2024.weekday[1] == dec2024.weekday[1] == 0
    assert (sep2024.days, dec2024.days) == (30, 31)
    page = page_lines("2026", "2", build(0, 3, 1, 2026, 2))
    expect_lines("list example 1", page, LIST_EXAMPLE_1)
    body = build(1, 2, 0, 2024, 9)
    expect_lines("list example 2", body[-34:], LIST_EXAMPLE_2)
    assert len(body) == 32 + 7 * 30
    body = build(1, 1, 1, 2024, 12, "memo.base=FFFFCC;memo.font=333333")
    expect_lines("list example 3", body, LIST_EXAMPLE_3)

    # Line counts and attribute spellings of every layout and variant, over months of each
    # length and with day 1 in the first, last and a middle column.
    for year, month in [(2026, 2), (2024, 2), (2024, 9), (2025, 10), (2025, 11), (2021, 2)]:
        m = Month(year, month)
        for type_no in (0, 1, 2, 3):
            for youbi_no in (0, 3):
                for memo in (0, 1):
                    check_shape(f"{year}-{month} {type_no}/{youbi_no}/{memo}",
                                build(type_no, youbi_no, memo, year, month),
                                type_no, youbi_no, memo, m)


# ---------------------------------------------------------------------------------------------


def main(argv):
    check_only = argv[1:] == ["--check"]
    if argv[1:] and not check_only:
        print(__doc__)
        return 2
    self_check()
    cases = read_cases()
    failures = []
    for case in cases:
        body = case.body()
        check_body(case.file, body, case.type_no, case.youbi_no, case.memo, case.month)
        data = encode_page(page_lines(case.year_text, case.month_text, body))
        path = HERE / case.file
        if not check_only:
            path.write_bytes(data)
            print(f"wrote {case.file}: {len(body) + 12} lines, {len(data)} bytes")
        elif not path.exists():
            failures.append(f"{case.file}: missing")
        elif path.read_bytes() != data:
            old = path.read_bytes().split(b"\r\n")
            new = data.split(b"\r\n")
            line = next((i + 1 for i, (a, b) in enumerate(zip(old, new)) if a != b),
                        min(len(old), len(new)))
            failures.append(f"{case.file}: differs from line {line}")
    if check_only:
        listed = {case.file for case in cases}
        failures += [f"{p.name}: not listed in cases.tsv"
                     for p in sorted(HERE.glob("*.html")) if p.name not in listed]
        for failure in failures:
            print(failure, file=sys.stderr)
        print(f"golden pages: {len(cases)} checked, {len(failures)} problem(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
