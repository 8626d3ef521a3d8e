#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes Tarnwick's button pictures and cursors as SVG files, and the Qt resource file that
lists them. Run it from anywhere after changing a drawing; the output is committed.

Every button picture is 32 x 32 units: a rounded key face and a glyph. "<NAME>_UP" shows the
key at rest, "<NAME>_DOWN" the same glyph on a pressed, darker face, nudged down and right.
Colours: slate ink for neutral glyphs, the two file colours (File 0 sea green, File 1 cyan)
wherever a picture speaks about a file, red for removing, green for adding.
"""

from pathlib import Path

HERE = Path(__file__).resolve().parent

INK = "#34414f"
BLUE = "#2f6db5"
BLUE_DARK = "#1f4f88"
FILE0 = "#78c8b4"       # File 0, RGB 120, 200, 180
FILE0_DARK = "#2f8a74"
FILE1 = "#28bed2"       # File 1, RGB 40, 190, 210
FILE1_DARK = "#117f91"
RED = "#d04437"
GREEN = "#2e9d4f"
FOLDER = "#eab94c"
FOLDER_BACK = "#f5d88e"
FOLDER_DARK = "#a5771a"
ROW = "#c8d1db"
ORANGE = "#ef9a2a"

FACE_UP = ("#ffffff", "#dde4ec", "#8693a1")
FACE_DOWN = ("#c3cdd8", "#e5eaf0", "#556677")


def face(pressed):
    top, bottom, rim = FACE_DOWN if pressed else FACE_UP
    shade = ('<path d="M4 3.5 H28" stroke="#a3b0be" stroke-width="1"/>' if pressed else
             '<path d="M4 2.5 H28" stroke="#ffffff" stroke-width="1"/>')
    return (f'<defs><linearGradient id="face" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            f'</linearGradient></defs>'
            f'<rect x="1.5" y="1.5" width="29" height="29" rx="5" fill="url(#face)" '
            f'stroke="{rim}" stroke-width="1"/>{shade}')


def svg(body):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
            f'{body}</svg>\n')


def button(glyph, pressed):
    shift = ' transform="translate(0.75 0.75)"' if pressed else ""
    return svg(face(pressed) + f"<g{shift}>{glyph}</g>")


def mirrored(glyph):
    return f'<g transform="translate(32 0) scale(-1 1)">{glyph}</g>'


# ---- small parts -------------------------------------------------------------------------

def badge(cx, cy, colour, sign):
    """A round badge with a white plus, minus or cross."""
    marks = {
        "+": f"M{cx - 3} {cy} H{cx + 3} M{cx} {cy - 3} V{cy + 3}",
        "-": f"M{cx - 3} {cy} H{cx + 3}",
        "x": f"M{cx - 2.3} {cy - 2.3} L{cx + 2.3} {cy + 2.3} M{cx + 2.3} {cy - 2.3} L{cx - 2.3} {cy + 2.3}",
    }
    return (f'<circle cx="{cx}" cy="{cy}" r="5.5" fill="{colour}" stroke="#ffffff" stroke-width="1"/>'
            f'<path d="{marks[sign]}" stroke="#ffffff" stroke-width="1.8" stroke-linecap="round"/>')


def arrow_right(x1, x2, y, colour, width=4.0):
    """A thick arrow from x1 to x2 (the head ends at x2)."""
    head = 6.0
    half = width / 2
    return (f'<path d="M{x1} {y - half} H{x2 - head} V{y - half - 2.5} L{x2} {y} '
            f'L{x2 - head} {y + half + 2.5} V{y + half} H{x1} Z" fill="{colour}" '
            f'stroke="{INK}" stroke-width="0.8" stroke-linejoin="round"/>')


def page(x, y, w, h, fill="#ffffff", edge=INK):
    fold = 4
    return (f'<path d="M{x} {y} H{x + w - fold} L{x + w} {y + fold} V{y + h} H{x} Z" fill="{fill}" '
            f'stroke="{edge}" stroke-width="1.3" stroke-linejoin="round"/>'
            f'<path d="M{x + w - fold} {y} V{y + fold} H{x + w}" fill="none" stroke="{edge}" stroke-width="1"/>')


def folder(x, y, w, h, front=FOLDER, back=FOLDER_BACK, edge=FOLDER_DARK):
    tab = w * 0.38
    return (f'<path d="M{x} {y + 2} Q{x} {y} {x + 2} {y} H{x + tab} L{x + tab + 2} {y + 2} '
            f'H{x + w - 1} Q{x + w} {y + 2} {x + w} {y + 3} V{y + h} H{x} Z" fill="{back}" '
            f'stroke="{edge}" stroke-width="1.1" stroke-linejoin="round"/>'
            f'<path d="M{x} {y + h} L{x + 3} {y + 5} H{x + w + 2} L{x + w} {y + h} Z" fill="{front}" '
            f'stroke="{edge}" stroke-width="1.1" stroke-linejoin="round"/>')


def file_list(x, y, w, h, frame, rows):
    """A file drawn as a card of rows; rows = [(top, fill, indent)]."""
    out = [f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="1.5" fill="#ffffff" '
           f'stroke="{frame}" stroke-width="1.6"/>',
           f'<rect x="{x}" y="{y}" width="{w}" height="2.6" rx="1" fill="{frame}"/>']
    for top, fill, indent in rows:
        out.append(f'<rect x="{x + 2 + indent}" y="{top}" width="{w - 4}" height="3" rx="0.8" fill="{fill}"/>')
    return "".join(out)


def floppy(x, y, s, body=BLUE, edge=BLUE_DARK):
    def p(v):
        return v * s
    return (f'<g transform="translate({x} {y})">'
            f'<path d="M0 0 H{p(16)} L{p(20)} {p(4)} V{p(20)} H0 Z" fill="{body}" stroke="{edge}" '
            f'stroke-width="1.2" stroke-linejoin="round"/>'
            f'<rect x="{p(4)}" y="0.6" width="{p(10)}" height="{p(6.5)}" fill="#dfe8f3"/>'
            f'<rect x="{p(10.5)}" y="{p(1.3)}" width="{p(2.2)}" height="{p(4.5)}" fill="{body}"/>'
            f'<rect x="{p(3)}" y="{p(11)}" width="{p(14)}" height="{p(8.4)}" rx="0.6" fill="#ffffff"/>'
            f'<path d="M{p(5)} {p(14)} H{p(15)} M{p(5)} {p(16.8)} H{p(15)}" stroke="#9fb4cc" stroke-width="0.9"/>'
            f'</g>')


def pencil():
    return ('<g transform="translate(24 18) rotate(45) scale(0.9)">'
            f'<rect x="-2.4" y="-9" width="4.8" height="12" fill="{ORANGE}" stroke="{INK}" stroke-width="0.9"/>'
            f'<rect x="-2.4" y="-11" width="4.8" height="2.2" fill="#e58fa0" stroke="{INK}" stroke-width="0.9"/>'
            f'<path d="M-2.4 3 L0 7.5 L2.4 3 Z" fill="#f6e0b5" stroke="{INK}" stroke-width="0.9" stroke-linejoin="round"/>'
            f'<path d="M-0.9 5.8 L0 7.5 L0.9 5.8 Z" fill="{INK}"/></g>')


def chevrons(up):
    a, b = (17, 10) if up else (10, 17)
    return (f'<path d="M9 {a} L16 {b} L23 {a} M9 {a + 7} L16 {b + 7} L23 {a + 7}" fill="none" '
            f'stroke="{INK}" stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>')


# ---- the glyphs --------------------------------------------------------------------------

def g_file_new():
    return page(7, 4, 15, 21) + badge(22.5, 22.5, GREEN, "+")


def g_file_open():
    return folder(4, 8, 22, 17)


def g_file_save():
    return floppy(6, 6, 1.0)


def g_file_save_as():
    return floppy(4, 4, 0.85) + pencil()


def g_open_from(source_dark, target_front, target_back, target_edge):
    return (folder(12, 9, 16, 14, target_front, target_back, target_edge)
            + arrow_right(3, 17, 19.5, source_dark, 3.6))


def g_open_from_same():
    ring = (f'<path d="M20.5 12.5 A5.6 5.6 0 1 0 21.6 17.8" fill="none" stroke="{RED}" '
            f'stroke-width="2.2" stroke-linecap="round"/>'
            f'<path d="M17.6 10.2 L22.4 11.4 L20.2 15.6 Z" fill="{RED}"/>')
    return folder(4, 8, 22, 17) + f'<g transform="translate(0 1.5)">{ring}</g>'


def g_copy(source, source_dark, target_dark):
    rows = [(9, ROW, 0), (14, source, 0), (19, ROW, 0)]
    return file_list(16, 5, 13, 21, target_dark, rows) + arrow_right(2.5, 15.5, 15.5, source_dark)


def g_insert(source, source_dark, target_dark):
    rows = [(9, ROW, 0), (21, ROW, 0)]
    wedge = f'<rect x="15" y="14.5" width="12" height="4" rx="1" fill="{source}" stroke="{source_dark}" stroke-width="0.9"/>'
    return file_list(16, 5, 13, 21, target_dark, rows) + wedge + arrow_right(2.5, 14.5, 16.5, source_dark)


def g_append(source, source_dark, target_dark):
    rows = [(9, ROW, 0), (13.5, ROW, 0)]
    new_row = f'<rect x="15" y="19" width="12" height="4" rx="1" fill="{source}" stroke="{source_dark}" stroke-width="0.9"/>'
    return file_list(16, 5, 13, 21, target_dark, rows) + new_row + arrow_right(2.5, 14.5, 21, source_dark)


def g_delete(colour, dark):
    rows = [(10, ROW, 0), (15, "#f2b8b2", 0), (20, ROW, 0)]
    return file_list(7, 6, 15, 20, dark, rows) + badge(22.5, 22.5, RED, "x")


def g_to_end():
    return (f'<path d="M16 5 V19" stroke="{INK}" stroke-width="3" stroke-linecap="round"/>'
            f'<path d="M10 15 L16 22 L22 15" fill="none" stroke="{INK}" stroke-width="3" '
            f'stroke-linecap="round" stroke-linejoin="round"/>'
            f'<path d="M8 26 H24" stroke="{BLUE}" stroke-width="3" stroke-linecap="round"/>')


def g_to_home():
    return (f'<path d="M16 27 V13" stroke="{INK}" stroke-width="3" stroke-linecap="round"/>'
            f'<path d="M10 17 L16 10 L22 17" fill="none" stroke="{INK}" stroke-width="3" '
            f'stroke-linecap="round" stroke-linejoin="round"/>'
            f'<path d="M8 6 H24" stroke="{BLUE}" stroke-width="3" stroke-linecap="round"/>')


def g_edit_card(sign):
    card = (f'<rect x="5" y="6" width="17" height="20" rx="1.5" fill="#ffffff" stroke="{INK}" stroke-width="1.3"/>'
            f'<path d="M8 11 H19 M8 15 H19 M8 19 H15" stroke="{ROW}" stroke-width="2" stroke-linecap="round"/>')
    return card + badge(23, 10, BLUE, sign)


def g_clear_filter():
    funnel = (f'<path d="M4.5 6 H25.5 L17.5 15.5 V24 L12.5 26 V15.5 Z" fill="#a9bccf" stroke="{INK}" '
              f'stroke-width="1.3" stroke-linejoin="round"/>')
    return funnel + badge(23, 22.5, RED, "x")


def g_left_arrow():
    return f'<path d="M20 7 L10 16 L20 25 Z" fill="{INK}" stroke="{INK}" stroke-width="1.5" stroke-linejoin="round"/>'


# name -> glyph; every name gets an _UP and a _DOWN picture unless listed in SINGLE.
GLYPHS = {
    "FILE_NEW": g_file_new(),
    "FILE_OPEN": g_file_open(),
    "FILE_SAVE": g_file_save(),
    "FILE_SAVE_AS": g_file_save_as(),
    "FILE_FROM_0": g_open_from(FILE0_DARK, FILE1, "#a9e6ee", FILE1_DARK),
    "FILE_FROM_1": mirrored(g_open_from(FILE1_DARK, FILE0, "#cdeee5", FILE0_DARK)),
    "FILE_FROM_IS_SAME": g_open_from_same(),
    "COPY_0_TO_1": g_copy(FILE0, FILE0_DARK, FILE1_DARK),
    "COPY_1_TO_0": mirrored(g_copy(FILE1, FILE1_DARK, FILE0_DARK)),
    "INSERT_0_TO_1": g_insert(FILE0, FILE0_DARK, FILE1_DARK),
    "INSERT_1_TO_0": mirrored(g_insert(FILE1, FILE1_DARK, FILE0_DARK)),
    "APPEND_0_TO_1": g_append(FILE0, FILE0_DARK, FILE1_DARK),
    "APPEND_1_TO_0": mirrored(g_append(FILE1, FILE1_DARK, FILE0_DARK)),
    "DELETE_0": g_delete(FILE0, FILE0_DARK),
    "DELETE_1": g_delete(FILE1, FILE1_DARK),
    "TO_END": g_to_end(),
    "TO_HOME": g_to_home(),
    "MENU_CONTROL_SHRINK": chevrons(up=True),
    "MENU_CONTROL_EXPAND": chevrons(up=False),
    "CLEAR_FILTER": g_clear_filter(),
    "LEFT_ARROW": g_left_arrow(),
    "RIGHT_ARROW": mirrored(g_left_arrow()),
    "EDIT_UP_EXPAND": g_edit_card("+"),
    "EDIT_UP_SHRINK": g_edit_card("-"),
}

# Pictures that exist only in one state: the button draws its own pressed look over them.
SINGLE = {"EDIT_UP_EXPAND", "EDIT_UP_SHRINK"}


# ---- cursors (hot spot at the arrow's tip, 2,2) ------------------------------------------

POINTER = ('<path d="M2 2 V22 L7 17.2 L10.4 25 L13.6 23.6 L10.3 16 H17 Z" fill="#ffffff" '
           'stroke="#000000" stroke-width="1.3" stroke-linejoin="round"/>')


def cursor(extra):
    return svg(POINTER + extra)


CURSORS = {
    "MOUSE_LEFT_ADD": cursor(badge(23, 23, GREEN, "+")),
    "MOUSE_LEFT_SUB": cursor(badge(23, 23, RED, "-")),
    "MOUSE_LEFT_CLICK": cursor(
        f'<path d="M6 0.8 L7 -1.5 M9.5 3.5 L12 2.5 M9.5 7.5 L12 8.5" stroke="{BLUE}" stroke-width="1.6" '
        f'stroke-linecap="round" transform="translate(2 2)"/>'
        f'<circle cx="23" cy="23" r="5.5" fill="{BLUE}" stroke="#ffffff"/>'
        f'<circle cx="23" cy="23" r="2" fill="#ffffff"/>'),
}

# ---- the program's own icon --------------------------------------------------------------


def app_icon():
    keys = "".join(f'<rect x="{7 + i * 4.5}" y="13" width="4" height="13" rx="0.8" fill="#ffffff"/>'
                   for i in range(4))
    blacks = "".join(f'<rect x="{9.6 + i * 4.5}" y="13" width="2.6" height="7.5" rx="0.5" fill="{INK}"/>'
                     for i in (0, 2))
    return svg(f'<rect x="1.5" y="1.5" width="29" height="29" rx="6" fill="{FILE1_DARK}"/>'
               f'<rect x="5.5" y="6" width="21" height="21" rx="2" fill="{INK}"/>'
               f'<rect x="7" y="7.5" width="18" height="4" rx="1" fill="{FILE0}"/>'
               + keys + blacks)


def main():
    pictures = HERE / "pictures"
    cursors = HERE / "cursors"
    pictures.mkdir(exist_ok=True)
    cursors.mkdir(exist_ok=True)
    files = []
    for name, glyph in GLYPHS.items():
        if name in SINGLE:
            (pictures / f"{name}.svg").write_text(button(glyph, False))
            files.append(f"pictures/{name}.svg")
            continue
        for state, pressed in (("UP", False), ("DOWN", True)):
            (pictures / f"{name}_{state}.svg").write_text(button(glyph, pressed))
            files.append(f"pictures/{name}_{state}.svg")
    for name, body in CURSORS.items():
        (cursors / f"{name}.svg").write_text(body)
        files.append(f"cursors/{name}.svg")
    (HERE / "tarnwick.svg").write_text(app_icon())
    files.append("tarnwick.svg")

    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/">']
    lines += [f"  <file>{f}</file>" for f in sorted(files)]
    lines += ['</qresource>', '</RCC>', '']
    (HERE / "tarnwick.qrc").write_text("\n".join(lines))


if __name__ == "__main__":
    main()
