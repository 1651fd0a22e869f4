#!/usr/bin/env python3
"""Writes the card SVGs in content/cards/svg/ and the icon SVGs in content/icons/.

The SVGs are the committed, editable sources; this script holds the one frame
and palette they share plus one drawing function per card, so the deck can be
restyled in one place. After running it, tools/cardart/render.sh remakes the
JPEGs and PNGs.

Coordinates: a card is 228 x 300 units, twice the 114 x 150 px it is shown at,
so 4 units is a 2 px stroke on screen. Card pictures are drawn in the picture
panel's own coordinates (0..PW, 0..PH) and may run past its edge: the frame is
painted over them afterwards, which clips without needing SVG clip paths.
"""

import math
import pathlib

ROOT = pathlib.Path(__file__).resolve().parents[2]

W, H = 228, 300
PX, PY, PW, PH = 18, 50, 192, 190  # picture panel

# Palette shared by the whole deck and the icon.
INK = "#1c1838"
IVORY = "#f4e8c8"
PARCHMENT = "#fbf3dc"
GOLD = "#e8b030"
GOLD_DK = "#a8741a"
WHITE = "#ffffff"
STEEL = "#d5dce6"
GREY = "#9aa0ae"
GREY_DK = "#5f6575"
RED = "#c8372d"
RED_DK = "#7e1f1a"
ORANGE = "#e67e22"
YELLOW = "#f7d348"
BLUE = "#2f5da8"
SKY = "#9cc4ea"
NIGHT = "#1d2868"
WATER = "#3778c2"
GREEN = "#3f8f4a"
GREEN_DK = "#2a6234"
PURPLE = "#6a3d9a"
SKIN = "#f2c9a0"
WOOD = "#9a6233"
BLACK = "#17141f"

SW = 4  # standard outline width

TITLE_FONT = "Nimbus Sans Narrow"
NUMERAL_FONT = "P052"


# --- SVG primitives -------------------------------------------------------

def _attrs(a):
    out = []
    for k, v in a.items():
        if v is None:
            continue
        if isinstance(v, float):
            v = f"{v:.2f}".rstrip("0").rstrip(".")
        out.append(f'{k.rstrip("_").replace("_", "-")}="{v}"')
    return " ".join(out)


def el(tag, **a):
    return f"<{tag} {_attrs(a)}/>"


def _paint(fill, stroke, sw):
    return dict(fill=fill, stroke=stroke,
                stroke_width=None if stroke == "none" else sw,
                stroke_linejoin=None if stroke == "none" else "round")


def circle(cx, cy, r, fill, stroke=INK, sw=SW, **a):
    return el("circle", cx=cx, cy=cy, r=r, **_paint(fill, stroke, sw), **a)


def ellipse(cx, cy, rx, ry, fill, stroke=INK, sw=SW, **a):
    return el("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, **_paint(fill, stroke, sw), **a)


def rect(x, y, w, h, fill, stroke=INK, sw=SW, rx=None, **a):
    return el("rect", x=x, y=y, width=w, height=h, rx=rx, **_paint(fill, stroke, sw), **a)


def path(d, fill, stroke=INK, sw=SW, **a):
    return el("path", d=d, **_paint(fill, stroke, sw), **a)


def _pts(points):
    return " ".join(f"{x:.2f},{y:.2f}".replace(".00", "") for x, y in points)


def poly(points, fill, stroke=INK, sw=SW, **a):
    return el("polygon", points=_pts(points), **_paint(fill, stroke, sw), **a)


def line(x1, y1, x2, y2, color=INK, sw=SW, cap="round"):
    return el("line", x1=x1, y1=y1, x2=x2, y2=y2, stroke=color, stroke_width=sw,
              stroke_linecap=cap)


def stroke_path(d, color=INK, sw=SW, cap="round", **a):
    return el("path", d=d, fill="none", stroke=color, stroke_width=sw,
              stroke_linecap=cap, stroke_linejoin="round", **a)


def group(*children, transform=None, **a):
    head = f"<g {_attrs(dict(transform=transform, **a))}>" if (transform or a) else "<g>"
    return head + "".join(children) + "</g>"


def text(x, y, s, size, fill=INK, family=TITLE_FONT, weight="bold", anchor="middle", **a):
    return (f'<text {_attrs(dict(x=x, y=y, font_family=family, font_size=size, font_weight=weight, text_anchor=anchor, fill=fill, **a))}>'
            f"{s}</text>")


def star_points(cx, cy, ro, ri, n, rot=-90.0):
    pts = []
    for i in range(2 * n):
        r = ro if i % 2 == 0 else ri
        a = math.radians(rot + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def star(cx, cy, ro, ri, n, fill, stroke=INK, sw=3, rot=-90.0):
    return poly(star_points(cx, cy, ro, ri, n, rot), fill, stroke, sw)


def pentagram(cx, cy, r, color=INK, sw=3, rot=-90.0):
    v = [(cx + r * math.cos(math.radians(rot + 72 * i)),
          cy + r * math.sin(math.radians(rot + 72 * i))) for i in range(5)]
    order = [v[0], v[2], v[4], v[1], v[3]]
    return el("polygon", points=_pts(order), fill="none", stroke=color, stroke_width=sw,
              stroke_linejoin="round")


def rays(cx, cy, r1, r2, n, fill, width_deg, stroke=INK, sw=2.5, rot=0.0):
    out = []
    for i in range(n):
        a = math.radians(rot + i * 360.0 / n)
        da = math.radians(width_deg / 2)
        out.append(poly([(cx + r1 * math.cos(a - da), cy + r1 * math.sin(a - da)),
                         (cx + r2 * math.cos(a), cy + r2 * math.sin(a)),
                         (cx + r1 * math.cos(a + da), cy + r1 * math.sin(a + da))],
                        fill, stroke, sw))
    return "".join(out)


def linear(gid, top, bottom, x2=0, y2=1):
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="{x2}" y2="{y2}">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            "</linearGradient>")


def radial(gid, inner, outer):
    return (f'<radialGradient id="{gid}" cx="0.5" cy="0.5" r="0.5">'
            f'<stop offset="0" stop-color="{inner}"/><stop offset="1" stop-color="{outer}"/>'
            "</radialGradient>")


def chain(x1, y1, x2, y2, color=GREY, link=7):
    """A row of open links from one point to another."""
    n = max(2, int(math.hypot(x2 - x1, y2 - y1) / link))
    ang = math.degrees(math.atan2(y2 - y1, x2 - x1))
    out = []
    for i in range(n + 1):
        t = i / n
        x, y = x1 + (x2 - x1) * t, y1 + (y2 - y1) * t
        out.append(el("ellipse", cx=x, cy=y, rx=link * 0.62, ry=link * 0.36, fill="none",
                      stroke=color, stroke_width=2.5,
                      transform=f"rotate({ang + (0 if i % 2 == 0 else 0):.1f} {x:.1f} {y:.1f})"))
    return "".join(out)


# --- suit emblems (drawn in a 44 x 44 box around their centre) --------------

def wand(cx, cy, s=1.0):
    return group(
        ellipse(-9, -4, 7, 3.5, GREEN, sw=2.5, transform="rotate(35 -9 -4)"),
        ellipse(9, 6, 7, 3.5, GREEN, sw=2.5, transform="rotate(-35 9 6)"),
        rect(-5, -20, 10, 42, WOOD, sw=3, rx=5),
        circle(0, -21, 6, GOLD, sw=3),
        transform=f"translate({cx} {cy}) scale({s})")


def cup(cx, cy, s=1.0):
    return group(
        path("M-11,20 Q0,11 11,20 Z", GOLD, sw=3),
        rect(-3, 6, 6, 10, GOLD, sw=3),
        path("M-16,-18 H16 C16,2 9,8 0,8 C-9,8 -16,2 -16,-18 Z", GOLD, sw=3),
        line(-10, -11, 10, -11, GOLD_DK, 3),
        transform=f"translate({cx} {cy}) scale({s})")


def sword(cx, cy, s=1.0):
    return group(
        poly([(0, -23), (6, -15), (6, 8), (-6, 8), (-6, -15)], STEEL, sw=3),
        line(0, -16, 0, 6, GREY, 2),
        rect(-15, 7, 30, 6, GOLD, sw=3, rx=3),
        rect(-3, 13, 6, 8, WOOD, sw=2.5),
        circle(0, 22, 3.5, GOLD, sw=2.5),
        transform=f"translate({cx} {cy}) scale({s})")


def pentacle(cx, cy, s=1.0):
    return group(
        circle(0, 0, 19, GOLD, sw=3),
        circle(0, 0, 14.5, "none", GOLD_DK, 2),
        pentagram(0, 0, 14.5, INK, 2.5),
        transform=f"translate({cx} {cy}) scale({s})")


def four_suits(inset=28, s=1.0):
    """The four emblems in the panel corners, as on every Sephira card."""
    l, r, t, b = inset, PW - inset, inset, PH - inset
    return wand(l, t, s) + cup(r, t, s) + sword(l, b, s) + pentacle(r, b, s)


# --- the shared frame ------------------------------------------------------

def ornament():
    cx, cy = W / 2, 30
    return (line(cx - 62, cy, cx - 16, cy, GOLD_DK, 3) + line(cx + 16, cy, cx + 62, cy, GOLD_DK, 3)
            + poly([(cx, cy - 10), (cx + 10, cy), (cx, cy + 10), (cx - 10, cy)], GOLD, INK, 3))


def card(title, picture, numeral=None, defs=""):
    """One card: picture under the frame, numeral above, title below."""
    frame = (f"M0,0 H{W} V{H} H0 Z "
             f"M{PX},{PY} V{PY + PH} H{PX + PW} V{PY} Z")
    top = (text(W / 2, 41, numeral, 30, INK, NUMERAL_FONT) if numeral else ornament())
    title_size = 27 if len(title) <= 12 else 25
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{W}" height="{H}" viewBox="0 0 {W} {H}">',
        f"<title>{title}</title>",
        f"<defs>{defs}</defs>" if defs else "",
        rect(PX, PY, PW, PH, PARCHMENT, "none"),
        group(picture, transform=f"translate({PX} {PY})"),
        el("path", d=frame, fill=IVORY, fill_rule="evenodd"),
        rect(0, 0, W, H, "none", INK, 12),
        rect(11, 11, W - 22, H - 22, "none", GOLD, 3, rx=7),
        rect(PX, PY, PW, PH, "none", INK, SW),
        top,
        text(W / 2, 276, title, title_size, INK),
        "</svg>",
    ]
    return "\n".join(p for p in parts if p) + "\n"


# --- Sephira cards ---------------------------------------------------------

def sephira_panel(gid, glow):
    """Parchment panel with a soft glow behind the central sphere."""
    return (rect(-10, -10, PW + 20, PH + 20, f"url(#{gid})", "none")
            + "".join(line(PW / 2, PH / 2, x, y, GOLD_DK, 3)
                      for x, y in [(28, 28), (PW - 28, 28), (28, PH - 28), (PW - 28, PH - 28)]))


def numbered(title, number, sphere, digit=WHITE, quartered=None, radiant=False):
    gid = "glow"
    defs = radial(gid, "#fffaf0", "#ead9aa")
    cx, cy, r = PW / 2, PH / 2, 50
    pic = sephira_panel(gid, sphere)
    if radiant:
        pic += rays(cx, cy, r + 2, r + 20, 16, GOLD, 12)
    if quartered:
        c1, c2, c3, c4 = quartered  # top, right, bottom, left
        d = r * math.sqrt(0.5)
        pic += (path(f"M{cx},{cy} L{cx - d},{cy - d} A{r},{r} 0 0 1 {cx + d},{cy - d} Z", c1, "none")
                + path(f"M{cx},{cy} L{cx + d},{cy - d} A{r},{r} 0 0 1 {cx + d},{cy + d} Z", c2, "none")
                + path(f"M{cx},{cy} L{cx + d},{cy + d} A{r},{r} 0 0 1 {cx - d},{cy + d} Z", c3, "none")
                + path(f"M{cx},{cy} L{cx - d},{cy + d} A{r},{r} 0 0 1 {cx - d},{cy - d} Z", c4, "none")
                + line(cx - d, cy - d, cx + d, cy + d, INK, 2.5)
                + line(cx + d, cy - d, cx - d, cy + d, INK, 2.5)
                + circle(cx, cy, r, "none", INK, SW)
                + circle(cx, cy, 30, IVORY, INK, 3))
    else:
        pic += circle(cx, cy, r, sphere, INK, SW)
        pic += circle(cx - 16, cy - 18, 10, WHITE, "none", opacity=0.35)
    size = 60 if len(number) == 1 else 50
    pic += text(cx, cy + size * 0.36, number, size, digit, NUMERAL_FONT)
    pic += four_suits()
    return card(title, pic, defs=defs)


def king_crown(cx, cy, s=1.0):
    spikes = "M-46,18 L-50,-22 L-28,0 L-14,-34 L0,-6 L14,-34 L28,0 L50,-22 L46,18 Z"
    return group(
        path(spikes, GOLD, sw=SW),
        rect(-48, 14, 96, 20, GOLD, sw=SW, rx=4),
        circle(-50, -24, 6, GOLD, sw=3), circle(50, -24, 6, GOLD, sw=3),
        circle(-14, -36, 6, GOLD, sw=3), circle(14, -36, 6, GOLD, sw=3),
        ellipse(0, 24, 8, 6, RED, sw=2.5),
        ellipse(-28, 24, 6, 5, BLUE, sw=2.5), ellipse(28, 24, 6, 5, BLUE, sw=2.5),
        circle(0, -8, 6, RED, sw=2.5),
        transform=f"translate({cx} {cy}) scale({s})")


def queen_crown(cx, cy, s=1.0):
    arches = ("M-38,16 C-44,0 -40,-14 -30,-18 C-24,-4 -14,-2 -10,-16 C-8,-30 -4,-34 0,-38 "
              "C4,-34 8,-30 10,-16 C14,-2 24,-4 30,-18 C40,-14 44,0 38,16 Z")
    return group(
        path(arches, GOLD, sw=SW),
        rect(-40, 12, 80, 16, GOLD, sw=SW, rx=6),
        circle(0, -42, 6, WHITE, sw=3),
        circle(-30, -22, 4.5, WHITE, sw=2.5), circle(30, -22, 4.5, WHITE, sw=2.5),
        circle(0, 20, 5, BLUE, sw=2.5), circle(-22, 20, 4, RED, sw=2.5), circle(22, 20, 4, RED, sw=2.5),
        path("M0,-26 C-7,-18 -7,-10 0,-4 C7,-10 7,-18 0,-26 Z", BLUE, sw=2.5),
        transform=f"translate({cx} {cy}) scale({s})")


def sceptre(x, y1, y2):
    return (rect(x - 4, y1, 8, y2 - y1, GOLD, sw=3, rx=3)
            + circle(x, y1 - 8, 11, GOLD, sw=3)
            + path(f"M{x},{y1 - 22} V{y1 - 14} M{x - 5},{y1 - 18} H{x + 5}", "none", INK, 3)
            + rect(x - 8, (y1 + y2) / 2 - 3, 16, 6, GOLD_DK, sw=2.5, rx=2))


def court(title, emblem, panel_top, panel_bottom):
    defs = linear("bg", panel_top, panel_bottom)
    pic = rect(-10, -10, PW + 20, PH + 20, "url(#bg)", "none")
    pic += circle(PW / 2, PH / 2, 58, "none", GOLD_DK, 3)
    pic += emblem
    pic += four_suits(s=0.85, inset=24)
    return card(title, pic, defs=defs)


def the_kings():
    return court("The Kings", king_crown(PW / 2, PH / 2 + 6, 1.0), "#fff6dd", "#e9c7e0")


def the_queens():
    return court("The Queens",
                 sceptre(PW / 2 + 40, 50, 150) + queen_crown(PW / 2 - 6, PH / 2 + 14, 0.95),
                 "#fff6dd", "#c9dcf2")


def page_cap(cx, cy, s=1.0):
    return group(
        path("M-4,-8 C10,-42 36,-50 52,-44 C34,-38 18,-22 6,-6 Z", RED, sw=3),
        line(2, -8, 46, -42, RED_DK, 2),
        path("M-44,6 C-46,-22 -16,-34 8,-30 C30,-26 44,-12 42,6 Z", GREEN, sw=SW),
        path("M-48,4 H46 C46,14 40,18 34,18 H-40 C-46,18 -50,14 -48,4 Z", GOLD, sw=SW),
        circle(4, -2, 6, RED, sw=3),
        transform=f"translate({cx} {cy}) scale({s})")


def scroll(cx, cy, s=1.0):
    return group(
        path("M-36,-12 H30 V12 H-36 Z", IVORY, sw=3),
        ellipse(-36, 0, 6, 14, "#e9d7a8", sw=3),
        ellipse(32, 0, 6, 14, "#e9d7a8", sw=3),
        line(-24, -4, 22, -4, GREY_DK, 2.5), line(-24, 4, 14, 4, GREY_DK, 2.5),
        transform=f"translate({cx} {cy}) scale({s})")


def the_pages():
    return court("The Pages", page_cap(PW / 2, PH / 2 - 8, 1.0) + scroll(PW / 2, PH / 2 + 40, 1.0),
                 "#fff6dd", "#cfe6c4")



# --- trumps ----------------------------------------------------------------

def sky(top, bottom, gid="sky"):
    return linear(gid, top, bottom), rect(-10, -10, PW + 20, PH + 20, f"url(#{gid})", "none")


def glow(gid, color):
    return (f'<radialGradient id="{gid}" cx="0.5" cy="0.5" r="0.5">'
            f'<stop offset="0" stop-color="{color}" stop-opacity="0.95"/>'
            f'<stop offset="0.45" stop-color="{color}" stop-opacity="0.55"/>'
            f'<stop offset="1" stop-color="{color}" stop-opacity="0"/></radialGradient>')


def limb(points, width, color, outline=INK):
    """A thick outlined stroke: arms, legs, staves."""
    d = "M" + " L".join(f"{x},{y}" for x, y in points)
    return stroke_path(d, outline, width + 5) + stroke_path(d, color, width)


def smooth_ribbon(centre, widths, fill, stroke=INK, sw=2.5, samples=8):
    """A band of varying width along a Catmull-Rom curve (roads, streams)."""
    pts = [centre[0]] + centre + [centre[-1]]
    ws = [widths[0]] + widths + [widths[-1]]
    left, right = [], []
    for i in range(1, len(pts) - 2):
        for k in range(samples):
            t = k / samples
            t2, t3 = t * t, t * t * t

            def cr(a, b, c, d):
                return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3)
            x = cr(pts[i - 1][0], pts[i][0], pts[i + 1][0], pts[i + 2][0])
            y = cr(pts[i - 1][1], pts[i][1], pts[i + 1][1], pts[i + 2][1])
            w = ws[i] + (ws[i + 1] - ws[i]) * t
            left.append((x - w / 2, y))
            right.append((x + w / 2, y))
    x, y = centre[-1]
    left.append((x - widths[-1] / 2, y))
    right.append((x + widths[-1] / 2, y))
    return poly(left + right[::-1], fill, stroke, sw)


def head(cx, cy, r, hair=None, skin=SKIN):
    out = ""
    if hair:
        out += ellipse(cx, cy - r * 0.15, r * 1.12, r * 1.12, hair, sw=3)
    return out + circle(cx, cy + r * 0.08, r * 0.92, skin, sw=3)


def tower(x, y, w, h, color=GREY):
    out = rect(x, y, w, h + 60, color, sw=3)
    out += rect(x - 4, y - 6, w + 8, 10, color, sw=3)
    mw = (w + 8) / 5
    for i in (0, 2, 4):
        out += rect(x - 4 + i * mw, y - 14, mw, 9, color, sw=3)
    out += path(f"M{x + w / 2 - 4},{y + 26} V{y + 16} Q{x + w / 2},{y + 10} {x + w / 2 + 4},{y + 16} V{y + 26} Z", BLACK, sw=2)
    return out


def waves(y, x0, x1, step=24, color=WHITE, sw=2.5):
    out = ""
    x = x0
    while x < x1:
        out += stroke_path(f"M{x},{y} q{step / 4},-5 {step / 2},0", color, sw)
        x += step
    return out


def the_moon():
    defs, pic = sky("#121c52", "#3d54a6")
    pic += rays(96, 42, 29, 44, 16, GOLD, 11, rot=11.25)
    pic += circle(96, 42, 28, "#f8e27a", INK, SW)
    pic += path("M92,16 A26,26 0 0 0 92,68 A21,21 0 0 1 92,16 Z", "#fff6c4", "none")
    pic += path("M100,18 C88,26 90,34 94,38 L88,44 L95,46 C92,54 96,60 104,66", "none", INK, 2.5, stroke_linecap="round")
    pic += stroke_path("M96,30 q4,2 7,0", INK, 2.5)
    for x, y in [(64, 80), (128, 80), (96, 84)]:
        pic += path(f"M{x},{y - 7} C{x + 5},{y} {x + 4},{y + 5} {x},{y + 5} C{x - 4},{y + 5} {x - 5},{y} {x},{y - 7} Z",
                    GOLD, INK, 2)
    pic += poly([(-10, 112), (24, 88), (52, 104), (96, 84), (140, 104), (170, 88), (202, 112), (202, 130), (-10, 130)],
                "#5a6aa6", INK, 3)
    pic += rect(-10, 108, PW + 20, 90, "#4f7d3c", INK, 3)
    pic += smooth_ribbon([(96, 106), (86, 116), (108, 128), (80, 142), (96, 166)], [4, 9, 16, 26, 40],
                         "#ecd79c", INK, 2.5)
    pic += tower(6, 84, 24, 40)
    pic += tower(PW - 30, 84, 24, 40)
    pic += path("M-10,164 Q22,156 52,162 Q96,170 140,162 Q170,156 202,164 V200 H-10 Z", WATER, INK, 3)
    # crayfish rising out of the pool at the foot of the path
    cray = "#e0612f"
    pic += stroke_path("M92,164 C84,150 70,140 58,136", INK, 2.5)
    pic += stroke_path("M100,164 C108,150 122,140 134,136", INK, 2.5)
    pic += limb([(90, 172), (80, 160)], 5, cray)
    pic += limb([(102, 172), (112, 160)], 5, cray)
    pic += path("M80,162 C70,158 66,144 72,136 L78,146 L82,136 C90,144 88,158 80,162 Z", cray, INK, 3)
    pic += path("M112,162 C122,158 126,144 120,136 L114,146 L110,136 C102,144 104,158 112,162 Z", cray, INK, 3)
    pic += ellipse(96, 180, 11, 17, cray, INK, 3)
    pic += stroke_path("M87,176 q9,5 18,0", INK, 2)
    pic += circle(91, 168, 2.5, BLACK, "none") + circle(101, 168, 2.5, BLACK, "none")
    pic += stroke_path("M66,184 q8,-5 16,0 M110,184 q8,-5 16,0", "#cfe3f7", 2.5)
    pic += waves(176, 4, 60, 26, "#cfe3f7") + waves(176, 136, 196, 26, "#cfe3f7")
    return card("The Moon", pic, "XVIII", defs)


def jug():
    """An amphora, mouth towards -y, drawn about its belly."""
    return (stroke_path("M5,-14 C16,-14 16,0 8,4", INK, 3.5)
            + path("M-8,-26 H8 L4,-20 V-10 C13,-6 12,12 0,16 C-12,12 -13,-6 -4,-10 V-20 Z", "#d9783a", INK, 3)
            + line(-10, 2, 10, 2, RED_DK, 2.5))


def the_star():
    defs, pic = sky("#111a50", "#3a5cae")
    pic += star(96, 40, 36, 14, 8, YELLOW, INK, 3)
    pic += star(96, 40, 20, 9, 8, "#fff4b8", "none", rot=-90 + 22.5)
    for x, y in [(22, 20), (170, 20), (24, 60), (168, 60), (40, 96), (152, 96), (96, 84)]:
        pic += star(x, y, 13, 5, 8, "#fffbe6", "none")
    pic += path("M-10,150 Q40,138 100,152 V200 H-10 Z", GREEN, INK, 3)
    pic += path("M80,160 Q140,146 202,150 V200 H80 Z", WATER, INK, 3)
    pic += waves(178, 110, 200, 26, "#cfe3f7")
    # kneeling figure pouring from two jugs
    pic += limb([(100, 148), (82, 168), (102, 176)], 11, SKIN)
    pic += limb([(104, 148), (124, 150), (128, 178)], 11, SKIN)
    pic += path("M84,152 L88,124 Q102,116 116,124 L118,152 Z", SKIN, INK, 3)
    pic += limb([(90, 126), (72, 138), (60, 136)], 8, SKIN)
    pic += limb([(114, 126), (130, 138), (142, 136)], 8, SKIN)
    pic += path("M92,104 C80,104 78,122 82,134 L92,126 Z", YELLOW, INK, 2.5)
    pic += head(100, 108, 12, YELLOW)
    pic += group(jug(), transform="translate(60 132) rotate(-135)")
    pic += group(jug(), transform="translate(140 132) scale(-1 1) rotate(-135)")
    pic += stroke_path("M38,146 C32,154 32,166 36,178", "#bfe3ff", 5)
    pic += stroke_path("M162,146 C168,154 168,166 164,180", "#bfe3ff", 5)
    return card("The Star", pic, "XVII", defs)


def the_justice():
    defs, pic = sky("#7d4fb0", "#4a2a78")
    for x in (-6, PW - 18):
        pic += rect(x, -10, 24, 200, GREY, INK, 3) + rect(x - 3, 20, 30, 10, GREY, INK, 3)
    pic += rect(-10, 168, PW + 20, 40, "#b8ae98", INK, 3)
    pic += path("M58,196 L68,108 Q96,94 124,108 L134,196 Z", RED, INK, SW)
    pic += path("M82,104 L96,150 L110,104 Z", GREEN, INK, 3)
    pic += head(96, 80, 15, "#6b3b1f")
    pic += path("M80,66 V50 L86,56 L91,46 L96,54 L101,46 L106,56 L112,50 V66 Z", GOLD, INK, 3)
    pic += circle(96, 60, 3.5, RED, INK, 1.5)
    # sword held upright
    pic += poly([(50, 6), (58, 18), (58, 110), (42, 110), (42, 18)], STEEL, INK, 3)
    pic += line(50, 20, 50, 106, GREY, 2.5)
    pic += rect(30, 108, 40, 9, GOLD, INK, 3, rx=4)
    pic += rect(45, 117, 10, 18, WOOD, INK, 3)
    pic += circle(50, 140, 6, GOLD, INK, 3)
    pic += limb([(74, 114), (58, 126)], 9, RED)
    pic += circle(52, 126, 7, SKIN, INK, 3)
    # scales
    pic += limb([(120, 114), (140, 130)], 9, RED)
    pic += limb([(142, 132), (142, 66)], 4, GOLD)
    pic += limb([(112, 70), (172, 70)], 4, GOLD)
    pic += circle(142, 62, 5, GOLD, INK, 3)
    for x in (112, 172):
        pic += line(x, 70, x - 13, 104, INK, 2) + line(x, 70, x + 13, 104, INK, 2)
        pic += path(f"M{x - 17},103 H{x + 17} Q{x},124 {x - 17},103 Z", GOLD, INK, 3)
    pic += circle(142, 132, 7, SKIN, INK, 3)
    return card("Justice", pic, "XI", defs)


def the_hermit():
    defs, pic = sky("#141c46", "#3b4b82")
    defs += glow("lamp", "#fff2a0")
    for x, y in [(20, 20), (46, 44), (170, 30), (150, 10), (24, 130)]:
        pic += circle(x, y, 2.5, WHITE, "none")
    pic += poly([(-10, 200), (-10, 176), (40, 160), (90, 146), (140, 156), (202, 172), (202, 200)], "#eef3fa", INK, 3)
    pic += circle(62, 114, 48, "url(#lamp)", "none")
    pic += limb([(156, 24), (156, 188)], 6, WOOD)
    pic += path("M118,34 C140,34 150,58 150,84 L160,184 H84 L96,92 C92,64 96,36 118,34 Z", GREY, INK, SW)
    pic += path("M112,48 C100,50 98,72 104,84 L120,86 C126,70 124,52 112,48 Z", "#2b2640", INK, 3)
    pic += ellipse(112, 66, 7, 9, SKIN, INK, 2.5)
    pic += path("M104,72 Q112,108 120,72 Z", WHITE, INK, 2.5)
    pic += circle(156, 100, 6.5, SKIN, INK, 3)
    pic += limb([(104, 100), (84, 96), (66, 88)], 10, GREY)
    pic += circle(64, 88, 6.5, SKIN, INK, 3)
    pic += line(64, 92, 64, 100, INK, 3)
    pic += poly([(52, 104), (76, 104), (70, 96), (58, 96)], GOLD, INK, 3)
    pic += rect(50, 104, 28, 28, "#fff6c0", INK, 3)
    pic += star(64, 118, 11, 5, 6, YELLOW, INK, 2)
    pic += line(64, 104, 64, 107, INK, 2)
    pic += poly([(50, 132), (78, 132), (72, 140), (56, 140)], GOLD, INK, 3)
    return card("The Hermit", pic, "IX", defs)


def sphinx(cx, cy, color, face, stripes):
    """A couchant sphinx seen from the front: headcloth, face and paws."""
    return group(
        ellipse(0, 16, 28, 14, color, INK, 3),
        rect(-22, 20, 14, 12, color, INK, 2.5, rx=5), rect(8, 20, 14, 12, color, INK, 2.5, rx=5),
        path("M-13,-26 Q0,-34 13,-26 L16,-12 L26,4 L14,6 L14,16 H-14 L-14,6 L-26,4 L-16,-12 Z", color, INK, 3),
        stroke_path("M-17,-8 L-22,-2 M-16,-2 L-23,3 M17,-8 L22,-2 M16,-2 L23,3 M-9,-28 Q0,-32 9,-28 M-12,-22 Q0,-27 12,-22", stripes, 2.5),
        ellipse(0, -10, 9, 12, face, INK, 2.5),
        circle(-3.5, -12, 1.8, INK, "none"), circle(3.5, -12, 1.8, INK, "none"),
        stroke_path("M-3,-3 Q0,-1 3,-3", INK, 1.8),
        transform=f"translate({cx} {cy})")


def the_chariot():
    defs, pic = sky("#f8da86", "#efb44a")
    pic += poly([(-10, 128), (20, 118), (40, 126), (70, 116), (120, 126), (160, 114), (202, 126), (202, 140), (-10, 140)],
                "#9fb0d0", INK, 2.5)
    pic += rect(-10, 138, PW + 20, 70, "#d6b878", INK, 3)
    for x in (30, 154):
        pic += rect(x, 26, 8, 92, "#2a4596", INK, 3)
    pic += path("M16,10 H176 V30 " + "".join(f"Q{176 - 10 - 20 * i},{42} {176 - 20 * (i + 1)},{30} " for i in range(8)) + "Z",
                "#2a4596", INK, 3)
    for x in range(30, 170, 22):
        pic += star(x + 4, 20, 5, 2.2, 6, WHITE, "none")
    # charioteer
    pic += path("M72,116 L76,70 Q96,58 116,70 L120,116 Z", STEEL, INK, 3)
    pic += path("M76,72 Q68,78 70,88 L80,86 Z M116,72 Q124,78 122,88 L112,86 Z", YELLOW, INK, 2.5)
    pic += path("M88,74 L96,96 L104,74 Z", GOLD, INK, 2)
    pic += head(96, 54, 13, "#7a4a24")
    pic += rect(83, 38, 26, 7, GOLD, INK, 2.5)
    pic += star(96, 32, 8, 3.5, 8, YELLOW, INK, 2)
    pic += limb([(74, 80), (62, 98), (66, 110)], 8, STEEL)
    pic += limb([(64, 112), (56, 66)], 4, WOOD)
    pic += circle(64, 108, 6, SKIN, INK, 2.5)
    # the chariot body with its winged disc
    pic += rect(26, 104, 140, 44, GREY, INK, SW)
    pic += path("M96,124 C80,112 56,112 40,118 C56,122 72,126 96,130 Z", BLUE, INK, 2.5)
    pic += path("M96,124 C112,112 136,112 152,118 C136,122 120,126 96,130 Z", BLUE, INK, 2.5)
    pic += circle(96, 126, 8, RED, INK, 2.5)
    pic += sphinx(58, 156, BLACK, "#4a4456", GOLD)
    pic += sphinx(134, 156, WHITE, "#f6efe2", BLUE)
    return card("The Chariot", pic, "VII", defs)


def the_strength():
    defs, pic = sky("#fdeaa6", "#f4c95c")
    pic += poly([(70, 132), (116, 70), (160, 132)], "#8fa6d8", INK, 3)
    pic += rect(-10, 130, PW + 20, 80, GREEN, INK, 3)
    # lion
    pic += stroke_path("M182,142 C196,120 192,100 178,92", INK, 9) + stroke_path("M182,142 C196,120 192,100 178,92", "#e3a43a", 5)
    pic += circle(178, 90, 7, "#b8561d", INK, 2.5)
    pic += ellipse(150, 148, 46, 24, "#e3a43a", INK, SW)
    for x in (118, 138, 166, 184):
        pic += rect(x - 6, 156, 12, 28, "#e3a43a", INK, 3, rx=5)
    pic += star(104, 118, 42, 32, 14, "#b8561d", INK, 3)
    pic += circle(104, 120, 25, "#eeb84e", INK, 3)
    pic += ellipse(98, 132, 13, 9, "#fbe3b0", INK, 2.5)
    pic += path("M92,124 L102,124 L97,130 Z", BLACK, INK, 1.5)
    pic += circle(94, 112, 3.5, BLACK, "none") + circle(112, 112, 3.5, BLACK, "none")
    pic += path("M88,140 Q98,148 108,140", "none", INK, 2.5)
    # the woman who calms it
    pic += stroke_path("M48,30 C40,20 28,20 28,30 C28,40 40,40 48,30 C56,20 68,20 68,30 C68,40 56,40 48,30 Z", PURPLE, 5)
    pic += path("M36,72 L56,72 L76,196 H10 Z", WHITE, INK, SW)
    pic += head(46, 58, 13, YELLOW)
    for x, c in [(36, RED), (42, GREEN), (48, RED), (54, GREEN), (58, RED)]:
        pic += circle(x, 48 + abs(x - 47) * 0.25, 3.5, c, INK, 1.5)
    pic += limb([(54, 80), (76, 96), (88, 98)], 8, WHITE)
    pic += limb([(50, 88), (70, 126), (86, 140)], 8, WHITE)
    pic += circle(88, 98, 6, SKIN, INK, 2.5) + circle(86, 140, 6, SKIN, INK, 2.5)
    return card("Strength", pic, "VIII", defs)


def the_temperance():
    defs, pic = sky("#b7dcf4", "#eef7fc")
    pic += poly([(-10, 120), (14, 96), (30, 108), (46, 92), (70, 120)], "#9bb0d6", INK, 2.5)
    pic += circle(30, 86, 9, GOLD, INK, 2.5)
    pic += rect(-10, 118, PW + 20, 90, GREEN, INK, 3)
    pic += path("M-10,150 C20,140 70,146 100,164 L100,200 H-10 Z", WATER, INK, 3)
    pic += waves(178, 0, 90, 26, "#cfe3f7")
    wing = "M84,74 C60,40 24,28 6,36 C20,48 16,60 30,70 C18,80 24,96 40,100 C34,112 46,128 70,120 Z"
    pic += path(wing, RED, INK, 3)
    pic += group(path(wing, RED, INK, 3), transform=f"translate({PW} 0) scale(-1 1)")
    pic += stroke_path("M76,78 C56,60 36,50 20,44 M72,90 C56,84 42,78 30,72 M70,104 C58,102 48,100 40,100", RED_DK, 2)
    pic += stroke_path("M116,78 C136,60 156,50 172,44 M120,90 C136,84 150,78 162,72 M122,104 C134,102 144,100 152,100", RED_DK, 2)
    pic += path("M78,74 Q96,64 114,74 L128,176 H64 Z", WHITE, INK, SW)
    pic += rect(89, 84, 14, 14, WHITE, INK, 2) + poly([(96, 86), (102, 96), (90, 96)], ORANGE, INK, 1.5)
    pic += ellipse(84, 178, 9, 5, SKIN, INK, 2.5) + ellipse(112, 178, 9, 5, SKIN, INK, 2.5)
    pic += circle(96, 52, 20, "none", GOLD, 3)
    pic += head(96, 54, 13, YELLOW)
    pic += circle(96, 44, 3.5, GOLD, INK, 1.5)
    pic += limb([(80, 82), (64, 104), (58, 110)], 8, WHITE)
    pic += limb([(112, 82), (126, 118), (134, 136)], 8, WHITE)
    pic += group(cup(0, 0, 0.8), transform="translate(52 112) rotate(45)")
    pic += group(cup(0, 0, 0.8), transform="translate(140 142) rotate(-6)")
    stream = "M64,108 C86,108 118,116 138,130"
    pic += stroke_path(stream, "#2f6db5", 9) + stroke_path(stream, "#bfe3ff", 4)
    return card("Temperance", pic, "XIV", defs)


def the_devil():
    defs, pic = sky("#0e0b14", "#3a0f1c")
    pic += pentagram(96, 22, 16, WHITE, 3.5, rot=90)
    wing = "M84,80 L4,36 L14,58 L0,72 L18,84 L6,104 L30,102 L28,122 L78,104 Z"
    pic += path(wing, "#5a466e", INK, 3)
    pic += group(path(wing, "#5a466e", INK, 3), transform=f"translate({PW} 0) scale(-1 1)")
    pic += rect(-10, 158, PW + 20, 50, "#2a2430", INK, 3)
    pic += path("M74,126 L78,86 Q96,76 114,86 L118,126 Z", "#8b3a24", INK, 3)
    horn = "M90,48 C82,40 70,40 60,30 C54,24 54,14 58,6 C64,22 74,28 86,32 C92,36 94,42 94,46 Z"
    pic += path(horn, IVORY, INK, 3)
    pic += group(path(horn, IVORY, INK, 3), transform=f"translate({PW} 0) scale(-1 1)")
    pic += path("M78,52 L70,46 L80,60 Z M114,52 L122,46 L112,60 Z", "#8b3a24", INK, 2)
    pic += ellipse(96, 62, 16, 18, "#8b3a24", INK, 3)
    pic += path("M88,74 L96,90 L104,74 Z", BLACK, INK, 2)
    pic += ellipse(89, 58, 4, 3, YELLOW, INK, 1.5) + ellipse(103, 58, 4, 3, YELLOW, INK, 1.5)
    pic += limb([(80, 90), (62, 78), (58, 64)], 8, "#8b3a24")
    pic += limb([(112, 92), (128, 112)], 8, "#8b3a24")
    pic += limb([(128, 112), (138, 148)], 4, WOOD)
    pic += path("M138,148 C130,156 134,166 140,172 C146,164 148,156 138,148 Z", ORANGE, INK, 2)
    pic += rect(60, 122, 72, 40, GREY_DK, INK, 3)
    pic += circle(96, 136, 6, "none", GREY, 3)
    for x, flip in [(38, 1), (154, -1)]:
        pic += group(
            path("M-10,56 L-8,20 Q0,12 8,20 L10,56 Z", SKIN, INK, 3),
            head(0, 8, 9, "#6b3b1f"),
            path("M-6,-1 L-8,-9 L-2,-2 Z M6,-1 L8,-9 L2,-2 Z", IVORY, INK, 1.5),
            stroke_path("M8,44 C18,46 20,36 16,32", ORANGE, 3),
            transform=f"translate({x} 126) scale({flip} 1)")
    pic += chain(96, 142, 46, 146) + chain(96, 142, 146, 146)
    return card("The Devil", pic, "XV", defs)


def ram_head(cx, cy, flip):
    return group(
        path("M-7,-8 Q0,-14 7,-8 L5,12 Q0,17 -5,12 Z", IVORY, INK, 2.5),
        stroke_path("M-6,-8 C-20,-16 -28,0 -20,6 C-14,10 -10,2 -15,-1", INK, 8),
        stroke_path("M-6,-8 C-20,-16 -28,0 -20,6 C-14,10 -10,2 -15,-1", "#d9c9a0", 4),
        circle(-2, -3, 1.6, BLACK, "none"),
        transform=f"translate({cx} {cy}) scale({flip} 1)")


def the_emperor():
    defs, pic = sky("#f4a24e", "#e0592a")
    pic += poly([(-10, 150), (20, 104), (40, 124), (60, 96), (96, 140), (140, 90), (170, 120), (202, 100), (202, 160), (-10, 160)],
                "#8a3b23", INK, 3)
    pic += rect(30, 28, 132, 180, GREY, INK, SW)
    pic += rect(40, 38, 112, 170, "#b4b9c4", INK, 2.5)
    pic += ram_head(44, 42, 1) + ram_head(148, 42, -1)
    pic += path("M56,200 L64,104 Q96,88 128,104 L136,200 Z", RED, INK, SW)
    pic += rect(60, 150, 72, 10, GOLD, INK, 2.5)
    pic += head(96, 70, 15)
    pic += path("M81,72 Q84,112 96,116 Q108,112 111,72 Q96,84 81,72 Z", WHITE, INK, 2.5)
    pic += path("M80,60 V42 L86,50 L91,38 L96,48 L101,38 L106,50 L112,42 V60 Z", GOLD, INK, 3)
    # ankh sceptre and orb
    pic += limb([(70, 110), (60, 124)], 9, RED)
    pic += rect(53, 66, 8, 80, GOLD, INK, 3)
    pic += ellipse(57, 54, 8, 11, "none", INK, 9) + ellipse(57, 54, 8, 11, "none", GOLD, 4.5)
    pic += rect(43, 66, 28, 7, GOLD, INK, 3)
    pic += circle(58, 124, 7, SKIN, INK, 2.5)
    pic += limb([(122, 110), (134, 128)], 9, RED)
    pic += circle(138, 124, 12, GOLD, INK, 3) + line(126, 124, 150, 124, GOLD_DK, 2)
    pic += line(138, 112, 138, 100, INK, 6) + line(138, 112, 138, 100, GOLD, 3)
    pic += line(133, 105, 143, 105, INK, 6) + line(133, 105, 143, 105, GOLD, 3)
    return card("The Emperor", pic, "IV", defs)


def key(cx, cy, angle, color):
    return group(
        circle(0, -30, 9, "none", INK, 8), circle(0, -30, 9, "none", color, 4),
        rect(-3, -22, 6, 50, color, INK, 2.5),
        rect(3, 16, 9, 5, color, INK, 2), rect(3, 23, 7, 5, color, INK, 2),
        transform=f"translate({cx} {cy}) rotate({angle})")


def the_hierophant():
    defs, pic = sky("#dcd1b8", "#b3a584")
    for x in (-6, PW - 22):
        pic += rect(x, -10, 28, 200, GREY, INK, 3) + rect(x - 3, 24, 34, 10, GREY, INK, 3)
    pic += path("M54,200 L66,100 Q96,86 126,100 L138,200 Z", RED, INK, SW)
    pic += path("M86,98 L82,200 H110 L106,98 Z", WHITE, INK, 2.5)
    pic += line(96, 110, 96, 190, GOLD, 3)
    pic += head(96, 80, 13)
    # the triple crown
    pic += path("M84,30 Q96,14 108,30 Z", GOLD, INK, 3)
    for top, half in [(28, 15), (42, 18), (56, 21)]:
        pts = [(96 - half, top + 14), (96 - half, top)]
        for i in range(5):
            x0 = 96 - half + i * half * 2 / 5
            pts += [(x0 + half / 5, top - 6), (x0 + half * 2 / 5, top)]
        pts += [(96 + half, top + 14)]
        pic += poly(pts, GOLD, INK, 3)
        pic += "".join(circle(96 + dx, top + 7, 2.6, RED if dx == 0 else WHITE, INK, 1.2)
                       for dx in (-half * 0.55, 0, half * 0.55))
    pic += line(96, 20, 96, 6, INK, 7) + line(96, 20, 96, 6, GOLD, 3)
    pic += line(90, 11, 102, 11, INK, 7) + line(90, 11, 102, 11, GOLD, 3)
    # blessing hand and triple cross
    pic += limb([(74, 104), (56, 90), (52, 76)], 8, RED)
    pic += circle(52, 74, 6, SKIN, INK, 2.5) + limb([(50, 70), (50, 60)], 2.5, SKIN) + limb([(55, 70), (56, 61)], 2.5, SKIN)
    pic += limb([(146, 40), (146, 170)], 4, GOLD)
    for y, half in [(50, 14), (60, 11), (70, 8)]:
        pic += limb([(146 - half, y), (146 + half, y)], 3.5, GOLD)
    pic += limb([(118, 106), (140, 120)], 8, RED)
    pic += circle(146, 120, 6, SKIN, INK, 2.5)
    pic += key(96, 164, -40, GOLD) + key(96, 164, 40, STEEL)
    return card("The Hierophant", pic, "V", defs)


def the_lovers():
    defs, pic = sky("#8fc5ee", "#e6f3fb")
    pic += rays(96, 26, 22, 36, 16, GOLD, 12)
    pic += circle(96, 26, 21, YELLOW, INK, 3)
    wing = "M90,56 C70,40 40,38 18,50 C34,56 30,64 44,70 C36,76 46,84 60,80 Z"
    pic += path(wing, RED, INK, 3) + group(path(wing, RED, INK, 3), transform=f"translate({PW} 0) scale(-1 1)")
    pic += path("M84,58 Q96,50 108,58 L112,78 H80 Z", PURPLE, INK, 3)
    pic += head(96, 50, 10, GREEN)
    pic += limb([(86, 62), (64, 70)], 6, PURPLE) + limb([(106, 62), (128, 70)], 6, PURPLE)
    for x, r in [(70, 11), (84, 13), (100, 14), (116, 12), (128, 9)]:
        pic += circle(x, 84, r, WHITE, INK, 2.5)
    pic += rect(62, 80, 72, 10, WHITE, "none")
    pic += rect(-10, 160, PW + 20, 50, GREEN, INK, 3)
    pic += poly([(72, 162), (96, 104), (120, 162)], "#8d7bb8", INK, 3)
    # her tree with fruit and serpent, his tree of flames
    pic += rect(16, 110, 10, 56, WOOD, INK, 3)
    pic += circle(21, 104, 19, GREEN_DK, INK, 3)
    pic += "".join(circle(x, y, 3.5, RED, INK, 1.5) for x, y in [(12, 98), (26, 94), (20, 110), (30, 106)])
    pic += stroke_path("M12,150 C30,144 12,136 28,128 C32,126 34,120 30,118", GREEN, 4)
    pic += rect(166, 110, 10, 56, WOOD, INK, 3)
    for x, y in [(160, 104), (171, 94), (182, 104), (166, 114), (178, 114)]:
        pic += path(f"M{x},{y - 10} C{x + 6},{y - 2} {x + 5},{y + 6} {x},{y + 6} C{x - 5},{y + 6} {x - 6},{y - 2} {x},{y - 10} Z",
                    ORANGE, INK, 2)
    for x, hair in [(50, YELLOW), (142, "#6b3b1f")]:
        pic += path(f"M{x - 10},190 L{x - 9},{134} Q{x},{126} {x + 9},{134} L{x + 10},190 Z", SKIN, INK, 3)
        pic += head(x, 120, 10, hair)
    pic += limb([(58, 138), (70, 124)], 4, SKIN) + limb([(134, 138), (122, 124)], 4, SKIN)
    return card("The Lovers", pic, "VI", defs)


def the_death():
    defs, pic = sky("#4e3f6e", "#e39a5c")
    pic += rect(128, 100, 12, 60, GREY_DK, INK, 2.5) + rect(172, 100, 12, 60, GREY_DK, INK, 2.5)
    pic += circle(156, 132, 12, YELLOW, INK, 2.5)
    pic += rect(-10, 140, PW + 20, 70, "#3a4a3a", INK, 3)
    # black banner with the white rose
    pic += limb([(102, 8), (102, 190)], 5, WOOD)
    pic += path("M98,14 H12 L28,46 L12,78 H98 Z", BLACK, "#cfc6dc", 3)
    for i in range(5):
        a = math.radians(-90 + 72 * i)
        pic += circle(58 + 10 * math.cos(a), 46 + 10 * math.sin(a), 10, WHITE, INK, 2.5)
    pic += circle(58, 46, 6, GOLD, INK, 2)
    # skeleton in black armour
    pic += path("M124,188 L128,118 Q148,100 168,118 L172,188 Z", BLACK, "#cfc6dc", 3)
    for y, half in [(124, 14), (134, 16), (144, 15)]:
        pic += stroke_path(f"M{148 - half},{y} Q148,{y - 6} {148 + half},{y}", WHITE, 4)
    pic += line(148, 116, 148, 156, WHITE, 4)
    pic += limb([(132, 122), (118, 130), (104, 126)], 4, WHITE)
    pic += circle(104, 124, 5, WHITE, INK, 2)
    pic += circle(148, 82, 19, WHITE, INK, 3)
    pic += rect(138, 96, 20, 12, WHITE, INK, 3, rx=3)
    pic += line(143, 100, 143, 108, INK, 1.5) + line(148, 100, 148, 108, INK, 1.5) + line(153, 100, 153, 108, INK, 1.5)
    pic += ellipse(141, 80, 5, 6, BLACK, "none") + ellipse(155, 80, 5, 6, BLACK, "none")
    pic += path("M148,88 L145,94 H151 Z", BLACK, "none")
    return card("Death", pic, "XIII", defs)


CARDS = {
    "the-aces": lambda: numbered("The Aces", "1", WHITE, INK, radiant=True),
    "the-fours": lambda: numbered("The Fours", "4", BLUE),
    "the-fives": lambda: numbered("The Fives", "5", RED),
    "the-sixes": lambda: numbered("The Sixes", "6", YELLOW, INK),
    "the-sevens": lambda: numbered("The Sevens", "7", GREEN),
    "the-eights": lambda: numbered("The Eights", "8", ORANGE, INK),
    "the-nines": lambda: numbered("The Nines", "9", PURPLE),
    "the-tens": lambda: numbered("The Tens", "10", None, INK,
                                 quartered=("#d8c43a", "#9a4a22", BLACK, "#6b7a2a")),
    "the-kings": the_kings,
    "the-queens": the_queens,
    "the-pages": the_pages,
    "death": the_death,
    "justice": the_justice,
    "strength": the_strength,
    "temperance": the_temperance,
    "the-chariot": the_chariot,
    "the-devil": the_devil,
    "the-emperor": the_emperor,
    "the-hermit": the_hermit,
    "the-hierophant": the_hierophant,
    "the-lovers": the_lovers,
    "the-moon": the_moon,
    "the-star": the_star,
}


# --- program icon ------------------------------------------------------------

# Tree of Life on a 16 x 16 grid, so the 16 px drawing can sit on whole pixels;
# the large drawing is the same tree scaled up.
SPHERES = {  # name: (x, y, colour)
    "kether": (8, 2, WHITE), "binah": (4, 4, BLACK), "chokmah": (12, 4, "#b8bcc6"),
    "geburah": (4, 7, RED), "chesed": (12, 7, BLUE), "tiphareth": (8, 8, YELLOW),
    "hod": (4, 10, ORANGE), "netzach": (12, 10, GREEN), "yesod": (8, 11, PURPLE),
    "malkuth": (8, 14, "#d8c43a"),
}
PATHS = [("kether", "chokmah"), ("kether", "binah"), ("kether", "tiphareth"), ("chokmah", "binah"),
         ("chokmah", "tiphareth"), ("chokmah", "chesed"), ("binah", "tiphareth"), ("binah", "geburah"),
         ("chesed", "geburah"), ("chesed", "tiphareth"), ("chesed", "netzach"), ("geburah", "tiphareth"),
         ("geburah", "hod"), ("tiphareth", "netzach"), ("tiphareth", "yesod"), ("tiphareth", "hod"),
         ("netzach", "hod"), ("netzach", "yesod"), ("netzach", "malkuth"), ("hod", "yesod"),
         ("hod", "malkuth"), ("yesod", "malkuth")]


def icon_svg(size, scale, sphere_r, ring, path_w, pixel=False):
    def at(name):
        x, y, _ = SPHERES[name]
        return x * scale, y * scale
    body = [rect(0, 0, size, size, "url(#tile)", "none", rx=size * 0.18)]
    if not pixel:
        border = size * 0.025
        body.append(rect(border / 2, border / 2, size - border, size - border, "none", GOLD_DK, border,
                         rx=size * 0.18 - border / 2))
    for a, b in PATHS:
        (x1, y1), (x2, y2) = at(a), at(b)
        body.append(line(x1, y1, x2, y2, GOLD, path_w))
    for name, (x, y, colour) in SPHERES.items():
        if pixel:
            # whole-pixel dots: round ones blur into the paths at this size
            body.append(rect(x - 1, y - 1, 2, 2, WHITE if name == "kether" else IVORY, "none"))
            continue
        fill = colour
        if name == "malkuth":
            cx, cy, r = x * scale, y * scale, sphere_r
            body.append(path(f"M{cx - r},{cy} A{r},{r} 0 0 1 {cx + r},{cy} Z", "#d8c43a", "none"))
            body.append(path(f"M{cx - r},{cy} A{r},{r} 0 0 0 {cx + r},{cy} Z", "#9a4a22", "none"))
            fill = "none"
        body.append(circle(x * scale, y * scale, sphere_r, fill, GOLD if ring else "none", ring))
    return (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{size}" height="{size}" viewBox="0 0 {size} {size}">\n<title>Zorvane</title>\n'
            f'<defs><radialGradient id="tile" cx="0.5" cy="0.4" r="0.7">'
            f'<stop offset="0" stop-color="#3a3477"/><stop offset="1" stop-color="{INK}"/></radialGradient></defs>\n'
            + "\n".join(body) + "\n</svg>\n")


def write_icons():
    out = ROOT / "content" / "icons"
    out.mkdir(parents=True, exist_ok=True)
    (out / "zorvane.svg").write_text(icon_svg(256, 16, 19, 5, 7), encoding="utf-8")
    # At 16 px each sphere is one 2 x 2 pixel dot; colour would turn to mud there.
    (out / "zorvane-16.svg").write_text(icon_svg(16, 1, 1, 0, 0.6, pixel=True), encoding="utf-8")


def main():
    out = ROOT / "content" / "cards" / "svg"
    out.mkdir(parents=True, exist_ok=True)
    for slug, draw in CARDS.items():
        (out / f"{slug}.svg").write_text(draw(), encoding="utf-8")
    write_icons()


if __name__ == "__main__":
    main()
