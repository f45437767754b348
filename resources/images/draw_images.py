#!/usr/bin/env python3
"""Draws the viewer's skin as SVG files in this folder.

Every picture is our own drawing, made from simple shapes so that Qt's SVG
renderer (SVG Tiny 1.2: no filters, masks or clip paths) draws it exactly.
Run it again after changing a drawing:  python3 draw_images.py
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# The skin's colours.
PANEL_DARK = "#0f1217"
PANEL = "#151920"
PANEL_LIGHT = "#1d222b"
EDGE = "#2c333e"
EDGE_LIGHT = "#3a4250"
TEXT = "#d6dfe9"
TEXT_MUTED = "#8a94a3"
ACCENT = "#35c2ff"
ACCENT_DARK = "#1f8fc4"
GREEN = "#3ddc84"
AMBER = "#ffb02e"
RED = "#ff4d4d"
FONT = "DejaVu Sans"


def write(name, width, height, body):
    svg = (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n'
        f"{body}</svg>\n"
    )
    with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(svg)


def gradient(gid, top, bottom, vertical=True):
    x2, y2 = ("0", "1") if vertical else ("1", "0")
    return (
        f'<defs><linearGradient id="{gid}" x1="0" y1="0" x2="{x2}" y2="{y2}">'
        f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
        f"</linearGradient></defs>\n"
    )


# ---------------------------------------------------------------------------
# Glyphs on a 24 × 24 grid. "{c}" is the glyph colour, "{b}" the colour of
# the button under it (for cut-outs).

def stroke(d, width=2.0):
    return (f'<path d="{d}" fill="none" stroke="{{c}}" stroke-width="{width}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


def fill(d):
    return f'<path d="{d}" fill="{{c}}"/>'


def gear():
    points = []
    for k in range(8):
        a = k * math.pi / 4
        for da, r in ((-0.24, 7.0), (-0.14, 9.5), (0.14, 9.5), (0.24, 7.0)):
            points.append((12 + r * math.cos(a + da), 12 + r * math.sin(a + da)))
    d = "M" + " L".join(f"{x:.2f} {y:.2f}" for x, y in points) + " Z"
    return fill(d) + '<circle cx="12" cy="12" r="3.2" fill="{b}"/>'


def magnifier(extra):
    return (stroke("M14.3 14.3 L20 20", 2.6) + '<circle cx="10" cy="10" r="6" fill="none" '
            'stroke="{c}" stroke-width="2"/>' + extra)


SPEAKER = fill("M3.5 9 H7.5 L12.5 4.8 V19.2 L7.5 15 H3.5 Z")

GLYPHS = {
    "play": fill("M8.5 5 L19 12 L8.5 19 Z"),
    "pause": fill("M6.5 5 h4 v14 h-4 Z M13.5 5 h4 v14 h-4 Z"),
    "stop": '<rect x="6" y="6" width="12" height="12" rx="1.5" fill="{c}"/>',
    "rewind": fill("M5 6 h2.4 v12 H5 Z M18.5 6 L9 12 L18.5 18 Z"),
    "fast_forward": fill("M16.6 6 H19 v12 h-2.4 Z M5.5 6 L15 12 L5.5 18 Z"),
    "prev_file": fill("M4 6 h2.4 v12 H4 Z M13 6 L6.8 12 L13 18 Z M20 6 L13.8 12 L20 18 Z"),
    "next_file": fill("M17.6 6 H20 v12 h-2.4 Z M11 6 L17.2 12 L11 18 Z M4 6 L10.2 12 L4 18 Z"),
    "snapshot": fill("M3 8.5 Q3 7 4.5 7 H7.5 L9 4.8 H15 L16.5 7 H19.5 Q21 7 21 8.5 V17.5 "
                     "Q21 19 19.5 19 H4.5 Q3 19 3 17.5 Z")
    + '<circle cx="12" cy="12.8" r="4.2" fill="{b}"/><circle cx="12" cy="12.8" r="2.6" '
      'fill="{c}"/>',
    "print": stroke("M7 8 V3.5 H17 V8", 1.8)
    + fill("M4.5 8 H19.5 Q21 8 21 9.5 V16 H17 V14 H7 V16 H3 V9.5 Q3 8 4.5 8 Z")
    + stroke("M7 14 V20.5 H17 V14", 1.8),
    "save": stroke("M12 3.5 V14 M7.5 9.8 L12 14.3 L16.5 9.8 M4 15.5 V19.5 H20 V15.5", 2.2),
    "remove": stroke("M4.5 7 H19.5 M9.5 7 V4.5 H14.5 V7 M6.5 7 L7.5 19.5 H16.5 L17.5 7 "
                     "M10.5 10.5 V16 M13.5 10.5 V16", 1.9),
    "swap": stroke("M4.5 8.5 H18.5 M15 5 L18.5 8.5 L15 12 M19.5 15.5 H5.5 M9 12 L5.5 15.5 L9 19",
                   2.0),
    "flip": fill("M12 3 L18.5 9.5 H5.5 Z") + stroke("M3.5 12 H20.5", 1.4)
    + stroke("M12 21 L18.5 14.5 H5.5 Z", 1.6),
    "fullscreen": stroke("M4 9 V4 H9 M15 4 H20 V9 M20 15 V20 H15 M9 20 H4 V15", 2.2),
    "zoom_in": magnifier(stroke("M7 10 H13 M10 7 V13", 2.0)),
    "zoom_out": magnifier(stroke("M7 10 H13", 2.0)),
    "zoom_reset": stroke("M5.5 12 A6.5 6.5 0 1 0 8 6.9", 2.2) + fill("M4.2 4.2 L10.2 5.4 L6 9.8 Z"),
    "setting": gear(),
    "folder": fill("M3 6.5 Q3 5 4.5 5 H9.5 L11.5 7 H19.5 Q21 7 21 8.5 V17.5 Q21 19 19.5 19 "
                   "H4.5 Q3 19 3 17.5 Z"),
    "app_exit": stroke("M6.5 6.5 L17.5 17.5 M17.5 6.5 L6.5 17.5", 2.4),
    "app_minimize": stroke("M6 17 H18", 2.4),
    "pan": stroke("M12 3.5 V20.5 M3.5 12 H20.5", 1.8)
    + fill("M12 2 L15 5.6 H9 Z M12 22 L15 18.4 H9 Z M2 12 L5.6 9 V15 Z M22 12 L18.4 9 V15 Z"),
    "volume": SPEAKER + stroke("M15.5 9 A4 4 0 0 1 15.5 15 M17.8 6.4 A7.6 7.6 0 0 1 17.8 17.6",
                               1.9),
    "volume_muted": SPEAKER + stroke("M15.5 9.2 L20.5 14.8 M20.5 9.2 L15.5 14.8", 2.0),
}

# Normal, hover and pressed looks of a button: background top and bottom,
# edge, glyph colour and how far the glyph sinks when pressed.
STATES = {
    1: dict(top="#2a3039", bottom="#1a1e25", edge=EDGE_LIGHT, glyph=TEXT, sink=0.0),
    2: dict(top="#36404c", bottom="#222831", edge=ACCENT, glyph="#ffffff", sink=0.0),
    3: dict(top="#13161b", bottom="#1f242c", edge=ACCENT_DARK, glyph=ACCENT, sink=0.6),
}


def button(name, glyph, size, state, round_button=False, glyph_scale=None):
    s = STATES[state]
    radius = size / 2 if round_button else max(4, size * 0.18)
    scale = glyph_scale or size * 0.62 / 24
    offset = (size - 24 * scale) / 2
    body = gradient("bg", s["top"], s["bottom"])
    body += (f'<rect x="0.5" y="0.5" width="{size - 1}" height="{size - 1}" rx="{radius - 0.5}" '
             f'fill="url(#bg)" stroke="{s["edge"]}" stroke-width="1"/>\n')
    # A thin highlight along the top edge gives the button some relief.
    if state != 3:
        body += (f'<path d="M{radius} 1.5 H{size - radius}" stroke="#ffffff" '
                 f'stroke-opacity="0.08" stroke-width="1"/>\n')
    mid = s["bottom"] if state != 3 else s["top"]
    glyph_svg = glyph.replace("{c}", s["glyph"]).replace("{b}", mid)
    body += (f'<g transform="translate({offset:.2f} {offset + s["sink"]:.2f}) '
             f'scale({scale:.4f})">{glyph_svg}</g>\n')
    write(name, size, size, body)


def button_set(stem, glyph, size, states=(1, 2, 3), **kwargs):
    for state in states:
        button(f"{stem}{state}", GLYPHS[glyph], size, state, **kwargs)


def draw_buttons():
    # Play and pause are the large round buttons of the transport bar.
    button_set("play_", "play", 44, round_button=True)
    button_set("pause", "pause", 44, round_button=True)
    for stem, glyph in [
        ("stop_", "stop"), ("rewind_", "rewind"), ("fast_forward_", "fast_forward"),
        ("prev_file_", "prev_file"), ("next_file_", "next_file"), ("snapshot_", "snapshot"),
        ("print_", "print"), ("save_", "save"), ("remove_", "remove"), ("swap_", "swap"),
        ("flip_", "flip"), ("fullscreen_", "fullscreen"), ("zoom_in_", "zoom_in"),
        ("zoom_out_", "zoom_out"), ("zoom_reset_", "zoom_reset"), ("setting_", "setting"),
        ("folder_", "folder"), ("pan_", "pan"),
    ]:
        button_set(stem, glyph, 32)
    button_set("app_exit_", "app_exit", 20)
    button_set("app_minimize_", "app_minimize", 20)
    # The mute button: sound on, and muted (it shows no hover pictures).
    button("volume1", GLYPHS["volume"], 32, 1)
    button("volume2", GLYPHS["volume_muted"], 32, 1)


def draw_filter_buttons():
    # The five recording filters, 60 × 24, with their titles drawn on top.
    looks = {
        1: ("#262c35", "#1a1e25", EDGE_LIGHT),
        2: ("#1f9ad6", "#14709e", ACCENT),
        3: ("#105a80", "#147099", ACCENT_DARK),
    }
    for state, (top, bottom, edge) in looks.items():
        body = gradient("bg", top, bottom)
        body += ('<rect x="0.5" y="0.5" width="59" height="23" rx="4" fill="url(#bg)" '
                 f'stroke="{edge}" stroke-width="1"/>\n')
        write(f"sorting_btn_60_{state}", 60, 24, body)


def draw_tabs_and_dialog_buttons():
    # Settings tabs (stretched three-part): inactive, hover, the open tab.
    tabs = {
        1: ("#232831", "#1a1e25", EDGE, None),
        2: ("#2d343f", "#222831", EDGE_LIGHT, None),
        3: ("#2a3039", "#1d222b", ACCENT, ACCENT),
    }
    for state, (top, bottom, edge, mark) in tabs.items():
        body = gradient("bg", top, bottom)
        body += ('<path d="M0.5 28 V5 Q0.5 0.5 5 0.5 H75 Q79.5 0.5 79.5 5 V28" '
                 f'fill="url(#bg)" stroke="{edge}" stroke-width="1"/>\n')
        if mark:
            body += f'<rect x="6" y="25" width="68" height="3" fill="{mark}"/>\n'
        write(f"tab_center_{state}", 80, 28, body)
    # Dialog buttons (stretched with insets 6, 10, 4, 10): normal and held down.
    for state, (top, bottom, edge) in {1: ("#2f3641", "#1f242c", EDGE_LIGHT),
                                       2: ("#14709e", "#1f9ad6", ACCENT)}.items():
        body = gradient("bg", top, bottom)
        body += ('<rect x="0.5" y="0.5" width="39" height="23" rx="5" fill="url(#bg)" '
                 f'stroke="{edge}" stroke-width="1"/>\n')
        write(f"dialog_button_{state}", 40, 24, body)
    # Dialog and panel background (stretched with 4-point insets).
    body = gradient("bg", PANEL_LIGHT, PANEL)
    body += (f'<rect x="0.5" y="0.5" width="39" height="39" rx="3.5" fill="url(#bg)" '
             f'stroke="{EDGE}" stroke-width="1"/>\n')
    write("dialog_bg", 40, 40, body)


def draw_radio_images():
    # Check box and radio pictures of the settings dialogs, 16 × 16.
    tick = "M4 8.3 L6.9 11.2 L12.2 5"
    write("check1", 16, 16,
          f'<rect x="0.5" y="0.5" width="15" height="15" rx="3" fill="{ACCENT}" '
          f'stroke="{ACCENT_DARK}"/><path d="{tick}" fill="none" stroke="#ffffff" '
          'stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>\n')
    write("pv_dst_check", 16, 16,
          f'<rect x="0.5" y="0.5" width="15" height="15" rx="3" fill="#2a2f37" '
          f'stroke="#3a4049"/><path d="{tick}" fill="none" stroke="#5d6572" '
          'stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>\n')
    write("check", 16, 16,
          f'<circle cx="8" cy="8" r="7.5" fill="{PANEL_DARK}" stroke="{ACCENT}"/>'
          f'<circle cx="8" cy="8" r="4" fill="{ACCENT}"/>\n')
    write("discheck2", 16, 16,
          '<circle cx="8" cy="8" r="7.5" fill="#2a2f37" stroke="#3a4049"/>'
          '<circle cx="8" cy="8" r="3.5" fill="#4a515c"/>\n')


# ---------------------------------------------------------------------------
# Speed gauge, 200 × 110. The places match SpeedMeterView: segment i (0 to 23)
# at x = 16 + 7i, 5 wide, rising from 8 to 24 high onto y = 36; digits 28 × 44
# at x = 50, 82, 114, y = 48; the unit at (148, 76, 44, 16).

SEGMENT_LEFT, SEGMENT_PITCH, SEGMENT_WIDTH, SEGMENT_BOTTOM = 16, 7, 5, 36
DIGIT_W, DIGIT_H, DIGIT_TOP, DIGIT_LEFTS = 28, 44, 48, (50, 82, 114)


def segment_height(i):
    return 8 + (16 * i * 2 + 23) // 46


# Seven-segment digits: segments a (top), b (upper right), c (lower right),
# d (bottom), e (lower left), f (upper left), g (middle) in a 28 × 44 cell.
def seven_segments():
    t = 4.6  # stroke thickness
    h = t / 2
    left, right, top, mid, bottom = 5.0, 23.0, 4.0, 22.0, 40.0
    gap = 1.0

    def horizontal(y):
        x0, x1 = left + gap, right - gap
        return (f"M{x0:.1f} {y:.1f} L{x0 + h:.1f} {y - h:.1f} H{x1 - h:.1f} "
                f"L{x1:.1f} {y:.1f} L{x1 - h:.1f} {y + h:.1f} H{x0 + h:.1f} Z")

    def vertical(x, y0, y1):
        y0, y1 = y0 + gap, y1 - gap
        return (f"M{x:.1f} {y0:.1f} L{x + h:.1f} {y0 + h:.1f} V{y1 - h:.1f} "
                f"L{x:.1f} {y1:.1f} L{x - h:.1f} {y1 - h:.1f} V{y0 + h:.1f} Z")

    return {
        "a": horizontal(top), "g": horizontal(mid), "d": horizontal(bottom),
        "f": vertical(left, top, mid), "b": vertical(right, top, mid),
        "e": vertical(left, mid, bottom), "c": vertical(right, mid, bottom),
    }


DIGIT_SEGMENTS = {
    0: "abcdef", 1: "bc", 2: "abged", 3: "abgcd", 4: "fgbc",
    5: "afgcd", 6: "afgedc", 7: "abc", 8: "abcdefg", 9: "abcdfg",
}
# A slight forward lean, as on a car's display.
LEAN = "skewX(-6) translate(2.3 0)"


def draw_digits():
    segments = seven_segments()
    for digit, lit in DIGIT_SEGMENTS.items():
        d = " ".join(segments[s] for s in lit)
        body = (f'<g transform="{LEAN}">'
                # A soft halo under the lit segments, then the segments themselves.
                f'<path d="{d}" fill="{ACCENT}" fill-opacity="0.35" stroke="{ACCENT}" '
                'stroke-opacity="0.3" stroke-width="2.4" stroke-linejoin="round"/>'
                f'<path d="{d}" fill="#eaf8ff"/></g>\n')
        write(str(digit), DIGIT_W, DIGIT_H, body)


def draw_speed_meter():
    body = gradient("panel", "#1a1f27", PANEL)
    body += ('<rect x="0.5" y="0.5" width="199" height="109" rx="10" fill="url(#panel)" '
             f'stroke="{EDGE}" stroke-width="1"/>\n')
    body += ('<rect x="1.5" y="1.5" width="197" height="107" rx="9" fill="none" '
             'stroke="#ffffff" stroke-opacity="0.04"/>\n')
    # Unlit segments and ticks every six segments.
    for i in range(24):
        height = segment_height(i)
        x = SEGMENT_LEFT + i * SEGMENT_PITCH
        body += (f'<rect x="{x}" y="{SEGMENT_BOTTOM - height}" width="{SEGMENT_WIDTH}" '
                 f'height="{height}" rx="1" fill="#222a34"/>\n')
    for i in (0, 6, 12, 18, 23):
        x = SEGMENT_LEFT + i * SEGMENT_PITCH + SEGMENT_WIDTH / 2
        body += (f'<rect x="{x - 0.5}" y="{SEGMENT_BOTTOM + 3}" width="1" height="3" '
                 f'fill="{TEXT_MUTED}" fill-opacity="0.6"/>\n')
    # Unlit digits.
    segments = seven_segments()
    ghost = " ".join(segments[s] for s in "abcdefg")
    for left in DIGIT_LEFTS:
        body += (f'<g transform="translate({left} {DIGIT_TOP})"><g transform="{LEAN}">'
                 f'<path d="{ghost}" fill="#1e252f"/></g></g>\n')
    body += (f'<text x="192" y="89" font-family="{FONT}" font-size="12" font-weight="bold" '
             f'fill="{TEXT_MUTED}" text-anchor="end">km/h</text>\n')
    write("speed_meter_bg", 200, 110, body)
    # The mph label covers the km/h one.
    write("speed_unit_mph", 44, 16,
          f'<rect width="44" height="16" fill="{PANEL}"/>'
          f'<text x="44" y="13" font-family="{FONT}" font-size="12" font-weight="bold" '
          f'fill="{AMBER}" text-anchor="end">mph</text>\n')
    # Lit segments: low speeds green, then amber, then red. Stretched to size.
    for name, colour in (("green", GREEN), ("amber", AMBER), ("red", RED)):
        body = gradient("seg", "#ffffff", colour)
        body += (f'<rect width="5" height="24" rx="1" fill="{colour}"/>'
                 '<rect x="1" y="1" width="3" height="22" rx="0.8" fill="url(#seg)" '
                 'fill-opacity="0.35"/>\n')
        write(f"speed_segment_{name}", 5, 24, body)


# ---------------------------------------------------------------------------
# Sliders.

def draw_sliders():
    # Seek knob, 10 × 33, over a groove stretched along the bar.
    body = gradient("knob", "#ffffff", "#b9c6d3", vertical=False)
    body += ('<rect x="1" y="4" width="8" height="25" rx="4" fill="#000000" fill-opacity="0.35"/>'
             '<rect x="1" y="3" width="8" height="25" rx="4" fill="url(#knob)" '
             f'stroke="{ACCENT_DARK}" stroke-width="1"/>'
             f'<rect x="4" y="9" width="2" height="13" rx="1" fill="{ACCENT}"/>\n')
    write("progress_bar", 10, 33, body)
    write("seek_bar_track", 100, 33,
          f'<rect x="0" y="14" width="100" height="5" rx="1.5" fill="{PANEL_DARK}" '
          f'stroke="{EDGE_LIGHT}" stroke-width="1"/>\n')
    # Volume: the empty bar and the filled part, both stretched to the slider.
    write("volume_bar", 80, 10,
          f'<rect x="0.5" y="2.5" width="79" height="5" rx="1.5" fill="{PANEL_DARK}" '
          f'stroke="{EDGE_LIGHT}" stroke-width="1"/>\n')
    body = gradient("level", "#8ee0ff", ACCENT_DARK)
    body += '<rect x="0.5" y="2.5" width="79" height="5" rx="1.5" fill="url(#level)"/>\n'
    write("volume_level", 80, 10, body)


# ---------------------------------------------------------------------------
# Animations and indicators of the dashboard.

CAR = ("M4 22 Q4 18 7 17.5 L12 16.5 L16.5 11.5 Q17.5 10.5 19 10.5 H29 Q30.8 10.5 32 11.8 "
       "L36 16.5 L41 17.5 Q44 18.2 44 21 V23.5 Q44 24.5 43 24.5 H5 Q4 24.5 4 23.5 Z")


def draw_shock_gage():
    # The car and the shock it senses, two frames: the waves spread outwards.
    cx, cy, spread = 28.0, 19.0, math.radians(25)
    for frame, radii in ((1, (22.5, 25.0)), (2, (24.5, 27.0))):
        body = f'<g transform="translate(4 0)"><path d="{CAR}" fill="{TEXT}"/>'
        body += ('<path d="M18 12 L23 12 L23 16.5 L14.2 16.5 Z M25 12 H29 Q30 12 30.6 12.7 '
                 f'L33.6 16.5 H25 Z" fill="{PANEL}"/>')
        for wheel in (12, 36):
            body += (f'<circle cx="{wheel}" cy="24.5" r="3.6" fill="{PANEL_DARK}" '
                     f'stroke="{TEXT}" stroke-width="1.6"/>')
        body += "</g>"
        for k, r in enumerate(radii):
            opacity = 0.95 - 0.35 * k
            dx, dy = r * math.cos(spread), r * math.sin(spread)
            for side, sweep in ((1, 1), (-1, 0)):
                x = cx + side * dx
                body += (f'<path d="M{x:.2f} {cy - dy:.2f} A{r} {r} 0 0 {sweep} {x:.2f} '
                         f'{cy + dy:.2f}" fill="none" stroke="{AMBER}" '
                         f'stroke-opacity="{opacity:.2f}" stroke-width="1.6" '
                         'stroke-linecap="round"/>')
        write(f"shock_gage{frame}", 56, 32, body + "\n")


def draw_earth():
    # A globe turning: the meridians move between the two frames.
    r = 13.0
    for frame, meridians in ((1, (0.0, 6.5, 11.5)), (2, (3.5, 9.5, 13.0))):
        body = ('<defs><radialGradient id="sea" cx="0.38" cy="0.32" r="0.75">'
                '<stop offset="0" stop-color="#4fd0ff"/><stop offset="1" stop-color="#0b4f7a"/>'
                '</radialGradient></defs>')
        body += f'<circle cx="16" cy="16" r="{r}" fill="url(#sea)"/>'
        lines = ""
        for rx in meridians:
            if rx == 0.0:
                lines += f'<path d="M16 {16 - r} V{16 + r}"/>'
            else:
                lines += f'<ellipse cx="16" cy="16" rx="{rx}" ry="{r}"/>'
        for y in (-8.0, 0.0, 8.0):
            half = math.sqrt(r * r - y * y)
            lines += f'<path d="M{16 - half:.2f} {16 + y} H{16 + half:.2f}"/>'
        body += (f'<g fill="none" stroke="#d8f3ff" stroke-opacity="0.55" '
                 f'stroke-width="1">{lines}</g>')
        body += (f'<circle cx="16" cy="16" r="{r}" fill="none" stroke="{ACCENT}" '
                 'stroke-width="1.2"/>\n')
        write(f"earth{frame}", 32, 32, body)


def draw_gps():
    pin = ("M12 21.5 C12 21.5 5 13.8 5 9.2 A7 7 0 0 1 19 9.2 C19 13.8 12 21.5 12 21.5 Z")
    write("gps", 24, 24,
          f'<path d="{pin}" fill="{GREEN}"/><circle cx="12" cy="9.2" r="2.8" '
          f'fill="{PANEL_DARK}"/>\n')


# ---------------------------------------------------------------------------
# Covers, splash and the home-page link.

def draw_map_cover():
    w, h = 320, 240
    body = f'<rect width="{w}" height="{h}" fill="#10151b"/>'
    # City blocks and roads, drawn from a fixed plan. Qt's renderer does not
    # clip to the picture, so everything stays inside it.
    blocks = ""
    for row, y in enumerate(range(6, h - 30, 46)):
        for col, x in enumerate(range(6 + (row % 2) * 18, w - 40, 58)):
            bw = min(44 + ((row * 7 + col * 13) % 3) * 4, w - 6 - x)
            bh = min(34 + ((row * 5 + col * 11) % 3) * 3, h - 6 - y)
            blocks += f'<rect x="{x}" y="{y}" width="{bw}" height="{bh}" rx="3"/>'
    body += f'<g fill="#161d25">{blocks}</g>'
    body += ('<path d="M0 168 C60 150 110 190 170 150 S280 96 320 110" fill="none" '
             'stroke="#1f2a36" stroke-width="9"/>')
    body += ('<path d="M92 0 C100 60 70 120 108 240" fill="none" stroke="#1c2630" '
             'stroke-width="6"/>')
    # A location pin, struck through: no position to show.
    body += ('<g transform="translate(136 78) scale(2)">'
             '<path d="M12 23 C12 23 3.5 14.2 3.5 9 A8.5 8.5 0 0 1 20.5 9 C20.5 14.2 12 23 12 23 Z" '
             f'fill="#1d2630" stroke="#3a4556" stroke-width="1.4"/>'
             '<circle cx="12" cy="9" r="3" fill="none" stroke="#3a4556" stroke-width="1.4"/>'
             '<path d="M2 2 L22 22" stroke="#4a5668" stroke-width="1.8" stroke-linecap="round"/>'
             '</g>\n')
    write("mapview_cover", w, h, body)


def draw_movie_cover():
    w, h = 320, 180
    body = gradient("bg", "#12161c", "#0a0c10")
    body += f'<rect width="{w}" height="{h}" fill="url(#bg)"/>'
    # A dashcam seen from the front.
    body += ('<g transform="translate(124 52)">'
             f'<rect x="0" y="6" width="72" height="48" rx="9" fill="#1b2028" stroke="{EDGE_LIGHT}" '
             'stroke-width="1.5"/>'
             f'<circle cx="36" cy="30" r="17" fill="#0d1014" stroke="{EDGE_LIGHT}" stroke-width="2"/>'
             '<circle cx="36" cy="30" r="10" fill="#141a22" stroke="#2b3644" stroke-width="2"/>'
             f'<circle cx="32" cy="26" r="3" fill="{ACCENT}" fill-opacity="0.5"/>'
             f'<rect x="26" y="0" width="20" height="8" rx="2" fill="#1b2028" stroke="{EDGE_LIGHT}" '
             'stroke-width="1.5"/>'
             f'<circle cx="62" cy="14" r="2" fill="{RED}" fill-opacity="0.7"/></g>\n')
    write("movie_cover", w, h, body)


def lens(cx, cy, r):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#0c0f13" stroke="{EDGE_LIGHT}" '
            f'stroke-width="{r * 0.08:.1f}"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r * 0.72:.1f}" fill="none" stroke="{ACCENT}" '
            f'stroke-width="{r * 0.1:.1f}"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r * 0.45:.1f}" fill="#151b23"/>'
            f'<circle cx="{cx - r * 0.15:.1f}" cy="{cy - r * 0.15:.1f}" r="{r * 0.14:.1f}" '
            'fill="#ffffff" fill-opacity="0.6"/>')


def draw_splash():
    w, h = 560, 320
    body = ('<defs><linearGradient id="bg" x1="0" y1="0" x2="1" y2="1">'
            '<stop offset="0" stop-color="#1b212a"/><stop offset="1" stop-color="#0a0c10"/>'
            '</linearGradient></defs>')
    body += (f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="14" fill="url(#bg)" '
             f'stroke="{EDGE}"/>')
    # A road running into the distance under the name.
    body += ('<path d="M210 320 L272 196 H288 L350 320 Z" fill="#12161c"/>'
             f'<path d="M280 206 V218 M280 232 V252 M280 270 V300" stroke="{AMBER}" '
             'stroke-opacity="0.6" stroke-width="3"/>')
    body += lens(280, 92, 46)
    body += (f'<text x="280" y="178" font-family="{FONT}" font-size="40" font-weight="bold" '
             f'fill="{TEXT}" text-anchor="middle">Torvaview</text>')
    body += (f'<rect x="200" y="188" width="160" height="2" rx="1" fill="{ACCENT}" '
             'fill-opacity="0.8"/>\n')
    write("KM7_pcviewer_splash_mac", w, h, body)


def draw_brand_link():
    # The home-page link, 263 × 30: the lens mark, the name and an arrow.
    looks = {1: (TEXT_MUTED, TEXT_MUTED, 0.0), 2: (TEXT, ACCENT, 0.06),
             3: (ACCENT, ACCENT, 0.1)}
    for state, (text, arrow, shade) in looks.items():
        body = (f'<rect x="0.5" y="0.5" width="262" height="29" rx="6" fill="#ffffff" '
                f'fill-opacity="{shade}"/>')
        body += lens(17, 15, 10)
        body += (f'<text x="34" y="20" font-family="{FONT}" font-size="14" font-weight="bold" '
                 f'fill="{text}">TORVAVIEW</text>')
        body += (f'<text x="134" y="20" font-family="{FONT}" font-size="11" fill="{text}" '
                 'fill-opacity="0.8">home page</text>')
        body += (f'<path d="M244 10 L249 15 L244 20" fill="none" stroke="{arrow}" '
                 'stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>\n')
        write(f"brand_link_norvane{state}", 263, 30, body)


def main():
    draw_buttons()
    draw_filter_buttons()
    draw_tabs_and_dialog_buttons()
    draw_radio_images()
    draw_digits()
    draw_speed_meter()
    draw_sliders()
    draw_shock_gage()
    draw_earth()
    draw_gps()
    draw_map_cover()
    draw_movie_cover()
    draw_splash()
    draw_brand_link()


if __name__ == "__main__":
    main()
