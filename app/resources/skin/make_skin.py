#!/usr/bin/env python3
"""Draws Kelvara's skin bitmaps: greyscale backgrounds and button faces that the program
colourises with the highlight colours, and the fixed check marks and icons.

Every image is drawn from shapes in low-resolution units, once at scale 1 and once at scale 2
(file suffix "_vga"), so both sizes get their own anti-aliased edges. Pure magenta is the
transparent key. Run: python3 make_skin.py  (writes the PNGs next to this file).
"""

import math
import os
import random
import struct
import zlib

KEY = (255, 0, 255)
SAMPLES = 4          # supersamples per pixel along each axis
COVERED = 0.5        # a pixel at least this much inside a shape is drawn, else it is key


# ---- PNG output -------------------------------------------------------------------------------

def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, width, height, pixels):
    """Writes 8-bit RGB rows (no filter); `pixels` is row-major (r, g, b) tuples."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for r, g, b in pixels[y * width:(y + 1) * width]:
            raw += bytes((r, g, b))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(png_chunk(b"IHDR", header))
        out.write(png_chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(png_chunk(b"IEND", b""))


# ---- small maths --------------------------------------------------------------------------------

def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def lerp(a, b, t):
    return a + (b - a) * t


def smooth(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3 - 2 * t)


def mix(c0, c1, t):
    return tuple(lerp(a, b, t) for a, b in zip(c0, c1))


def grey(v):
    return (v, v, v)


def rounded_rect(x, y, x0, y0, x1, y1, r):
    """Signed distance to a rounded rectangle (negative inside)."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    qx = abs(x - cx) - ((x1 - x0) / 2 - r)
    qy = abs(y - cy) - ((y1 - y0) / 2 - r)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def circle(x, y, cx, cy, r):
    return math.hypot(x - cx, y - cy) - r


def ellipse(x, y, cx, cy, rx, ry):
    return (math.hypot((x - cx) / rx, (y - cy) / ry) - 1) * min(rx, ry)


def capsule(x, y, ax, ay, bx, by, r):
    """Distance to a segment, thickened to radius r."""
    dx, dy = bx - ax, by - ay
    t = clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy))
    return math.hypot(x - ax - t * dx, y - ay - t * dy) - r


def triangle(x, y, a, b, c):
    """Approximate signed distance to a triangle: the largest of the three edge distances."""
    pts = (a, b, c)
    area = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])
    sign = 1 if area > 0 else -1
    worst = -1e9
    for i in range(3):
        (px, py), (qx, qy) = pts[i], pts[(i + 1) % 3]
        ex, ey = qx - px, qy - py
        d = sign * ((x - px) * ey - (y - py) * ex) / math.hypot(ex, ey)
        worst = max(worst, d)
    return worst


def gear(x, y, cx, cy, outer, teeth, hole):
    """A gear: a disc with `teeth` square-ish teeth 1.5 units deep and a round hole."""
    dist = math.hypot(x - cx, y - cy)
    angle = math.atan2(y - cy, x - cx)
    phase = (angle * teeth / (2 * math.pi)) % 1.0
    tooth = 1.0 - smooth(0.18, 0.32, abs(phase - 0.5))      # 1 on a tooth, 0 between
    radius = outer - 1.5 + 1.5 * tooth
    return max(dist - radius, hole - dist)


def edge_light(sd, x, y):
    """How much an edge faces the light from the top left (-1..1), from the distance's slope."""
    e = 0.01
    gx = sd(x + e, y) - sd(x - e, y)
    gy = sd(x, y + e) - sd(x, y - e)
    n = math.hypot(gx, gy) or 1.0
    return -(gx * 0.45 + gy * 0.9) / n


# ---- rendering ----------------------------------------------------------------------------------

def render(width, height, scale, shade, backdrop, middle=None, grain=None):
    """Draws `shade` (low-resolution coordinates -> colour or None outside) into a
    width x height image at `scale`. Partly covered pixels are blended toward `backdrop` (what
    the image usually sits on) or are key when mostly outside. `middle` is the low-resolution
    column stretched by the program: its pixels are sampled at the column's centre so every
    pixel column it becomes is identical. `grain(px, py)` adds per-pixel texture."""
    w, h = width * scale, height * scale
    out = []
    step = 1.0 / SAMPLES
    for py in range(h):
        for px in range(w):
            in_middle = middle is not None and middle * scale <= px < (middle + 1) * scale
            total = [0.0, 0.0, 0.0]
            inside = 0
            for sy in range(SAMPLES):
                y = (py + (sy + 0.5) * step) / scale
                for sx in range(SAMPLES):
                    x = middle + 0.5 if in_middle else (px + (sx + 0.5) * step) / scale
                    c = shade(x, y)
                    if c is None:
                        c = backdrop
                    else:
                        inside += 1
                    total[0] += c[0]
                    total[1] += c[1]
                    total[2] += c[2]
            n = SAMPLES * SAMPLES
            if inside < COVERED * n:
                out.append(KEY)
                continue
            colour = [t / n for t in total]
            if grain is not None:
                g = grain(middle * scale if in_middle else px, py)
                colour = [c + g for c in colour]
            out.append(tuple(int(round(clamp(c, 0, 255))) for c in colour))
    return out


def greyscale_safe(pixels):
    """Colourised images: exact black would be left uncoloured, so the darkest grey is 1."""
    return [p if p == KEY else tuple(max(1, c) for c in p) for p in pixels]


def strip(frames, frame_width, height):
    """Lays frames (pixel lists) side by side."""
    total = frame_width * len(frames)
    out = []
    for y in range(height):
        for f in frames:
            out += f[y * frame_width:(y + 1) * frame_width]
    return out, total


# ---- button faces -------------------------------------------------------------------------------

CAP = 10
FACE_WIDTH = 2 * CAP + 1
NORMAL, PRESSED, DISABLED = range(3)


def gel_face(height, state, tab):
    radius = min(CAP - 0.5, height / 2 - 0.5) if not tab else 7.0
    sd = lambda x, y: rounded_rect(x, y, 0, 0, FACE_WIDTH, height, radius)
    gloss_sd = lambda x, y: rounded_rect(x, y, 2, 1.4, FACE_WIDTH - 2, height * 0.48, radius - 2.5)
    # (top of body, bottom of body, gloss strength, outline) per state; a normal tab recedes
    if state == DISABLED:
        body_top, body_bottom, gloss, line = 222, 236, 0.45, 168
    elif state == PRESSED:
        body_top, body_bottom, gloss, line = 92, 158, 0.55, 40
    else:
        body_top, body_bottom, gloss, line = (118, 190, 0.92, 58) if not tab else (178, 220, 0.8, 95)

    def shade(x, y):
        d = sd(x, y)
        if d > 0:
            return None
        t = y / height
        body = lerp(body_top, body_bottom, smooth(0.42, 1.0, t))
        if state != DISABLED:
            body += 18 * smooth(0.7, 0.95, t) * (1 - smooth(0.95, 1.0, t))   # glow off the bottom
        g = gloss_sd(x, y)
        if g < 0:
            top_light = lerp(253, 200 if state != DISABLED else 240, clamp((y - 1.4) / (height * 0.46)))
            body = lerp(body, top_light, gloss * clamp(-g / 1.2))
        if d > -1.0:
            return grey(line)
        if d > -2.0 and state != DISABLED:
            body = lerp(body, 255, 0.18 * (1 + edge_light(sd, x, y)) / 2)  # thin inner rim
        return grey(body)
    return shade


def shiny_face(height, state, tab):
    radius = 4.0
    sd = lambda x, y: rounded_rect(x, y, 0, 0, FACE_WIDTH, height, radius)
    darker = state == PRESSED and not tab       # a pressed button is sunk; a selected tab stands out
    if state == DISABLED:
        line, bevel = 172, 12
    else:
        line, bevel = (48, -40) if darker else (62, 45)
    if tab and state == NORMAL:
        line = 92

    def chrome(t):
        """Chrome: bright sky above a horizon, a dark band below it rising to a light floor."""
        if state == DISABLED:
            return lerp(238, 226, t)
        if darker:
            t = 1 - t
            return (lerp(165, 120, t / 0.5) if t < 0.5 else lerp(90, 150, (t - 0.5) / 0.5)) - 8
        if tab and state == NORMAL:
            return lerp(248, 222, t / 0.5) if t < 0.5 else lerp(196, 232, (t - 0.5) / 0.5)
        if tab:
            return lerp(226, 172, t / 0.5) if t < 0.5 else lerp(112, 190, (t - 0.5) / 0.5)
        return lerp(250, 208, t / 0.5) if t < 0.5 else lerp(150, 215, (t - 0.5) / 0.5)

    def shade(x, y):
        d = sd(x, y)
        if d > 0:
            return None
        if d > -1.0:
            return grey(line)
        v = chrome(clamp((y - 1) / (height - 2)))
        if d > -2.2:
            v += bevel * edge_light(sd, x, y)
        if state != DISABLED and not darker and 1.6 < y < 2.6 and d < -1.6:
            v = lerp(v, 255, 0.9)                                # bright glint line under the top edge
        return grey(clamp(v, 1, 255))
    return shade


def rusty_face(height, state, tab, seed):
    radius = 3.0
    sd = lambda x, y: rounded_rect(x, y, 0, 0, FACE_WIDTH, height, radius)
    rnd = random.Random(seed)
    # dark blotches in the caps only, so the stretched middle stays even
    spots = []
    for _ in range(5):
        side = rnd.choice((0, 1))
        cx = rnd.uniform(2.5, 8.0) if side == 0 else rnd.uniform(13.0, 18.5)
        spots.append((cx, rnd.uniform(3.0, height - 3.0), rnd.uniform(1.2, 2.4), rnd.uniform(10, 22)))
    sunken = state == PRESSED
    if state == DISABLED:
        top, bottom, line, bevel = 222, 212, 170, 10
    elif sunken:
        top, bottom, line, bevel = 112, 150, 38, -34
    else:
        top, bottom, line, bevel = (172, 128, 48, 38) if not tab else (210, 176, 80, 30)

    def shade(x, y):
        d = sd(x, y)
        if d > 0:
            return None
        if d > -1.0:
            return grey(line)
        v = lerp(top, bottom, y / height)
        if state != DISABLED:
            for cx, cy, r, depth in spots:
                v -= depth * math.exp(-((x - cx) ** 2 + (y - cy) ** 2) / (r * r))
        if d > -2.6:
            v += bevel * edge_light(sd, x, y)
        return grey(v)
    return shade


def rusty_grain(height, scale, state, seed):
    """Brushed streaks (one value per row) and fine grain, reproducible from `seed`."""
    rnd = random.Random(seed * 7919 + scale)
    amount = 0.35 if state == DISABLED else 1.0
    rows = [rnd.gauss(0, 5.0) for _ in range(height * scale)]
    cells = [[rnd.gauss(0, 4.0) for _ in range(FACE_WIDTH * scale)] for _ in range(height * scale)]
    return lambda px, py: amount * (rows[py] + cells[py][px])


def simple_face(height, state, tab):
    radius = 2.5
    sd = lambda x, y: rounded_rect(x, y, 0, 0, FACE_WIDTH, height, radius)
    if state == DISABLED:
        top, bottom, line = 247, 243, 190
    elif state == PRESSED:
        top, bottom, line = 168, 182, 70
    else:
        top, bottom, line = (244, 230, 96) if not tab else (236, 222, 120)

    def shade(x, y):
        d = sd(x, y)
        if d > 0:
            return None
        if d > -1.0:
            return grey(line)
        return grey(lerp(top, bottom, y / height))
    return shade


def face_strip(style, height, scale, tab, seed=0):
    backdrop = grey(196 if tab else 240)
    frames = []
    for state in (NORMAL, PRESSED, DISABLED):
        grain = None
        if style == "gel":
            shade = gel_face(height, state, tab)
        elif style == "shiny":
            shade = shiny_face(height, state, tab)
        elif style == "rusty":
            shade = rusty_face(height, state, tab, seed + state)
            grain = rusty_grain(height, scale, state, seed + state)
        else:
            shade = simple_face(height, state, tab)
        frames.append(render(FACE_WIDTH, height, scale, shade, backdrop, middle=CAP, grain=grain))
    pixels, width = strip(frames, FACE_WIDTH * scale, height * scale)
    return width, height * scale, greyscale_safe(pixels)


# ---- backgrounds --------------------------------------------------------------------------------

TITLE_TOP, TITLE_BOTTOM = 26, 48      # the view's title band
TABS_TOP, TABS_BOTTOM = 270, 294      # the tab-button band
SCREEN_HEIGHT = 320


def band(y, top, bottom):
    """Position 0..1 inside a band, or None outside it."""
    return (y - top) / (bottom - top) if top <= y < bottom else None


def glossy_band(t, upper, lower, height):
    """A glossy band: light upper half, darker lower half brightening to the bottom, with a
    light line at the top and a dark line at the bottom (each one low-resolution pixel)."""
    if t * height < 1:
        return 236
    if t * height >= height - 1:
        return 86
    if t < 0.5:
        return lerp(upper[0], upper[1], t / 0.5)
    return lerp(lower[0], lower[1], (t - 0.5) / 0.5)


def background_stripes(y, scale):
    t = band(y, TITLE_TOP, TITLE_BOTTOM)
    if t is not None:
        return glossy_band(t, (156, 134), (112, 128), 22)
    t = band(y, TABS_TOP, TABS_BOTTOM)
    if t is not None:
        return glossy_band(t, (212, 196), (178, 188), 24)
    if TITLE_BOTTOM <= y < TABS_TOP:
        row = int(y * scale)
        period = 3 * scale
        phase = row % period
        if phase == 0:
            return 236
        return 242 if scale > 1 and phase == 1 else 250
    return 128


def background_solid(y, scale):
    if TITLE_TOP <= y < TITLE_BOTTOM - 1:
        return 168
    if TITLE_BOTTOM - 1 <= y < TITLE_BOTTOM:
        return 70
    if TABS_TOP <= y < TABS_TOP + 1:
        return 150
    if TABS_TOP + 1 <= y < TABS_BOTTOM:
        return 214
    if TITLE_BOTTOM <= y < TABS_TOP:
        return 247
    return 128


def background_gradient(y, scale):
    t = band(y, TITLE_TOP, TITLE_BOTTOM)
    if t is not None:
        return glossy_band(t, (232, 200), (150, 182), 22)
    t = band(y, TABS_TOP, TABS_BOTTOM)
    if t is not None:
        return glossy_band(t, (236, 212), (176, 202), 24)
    t = band(y, TITLE_BOTTOM, TABS_TOP)
    if t is not None:
        return lerp(255, 226, t) - 6 * (1 - smooth(0, 0.03, t))    # soft shadow under the title
    return 128


def haze(y):
    """Slow waves of lightness: sines with unrelated periods."""
    return (math.sin(y / 47.0 * 2 * math.pi + 0.7) * 0.5
            + math.sin(y / 83.0 * 2 * math.pi + 2.1) * 0.35
            + math.sin(y / 131.0 * 2 * math.pi + 4.0) * 0.3)


def background_hazy(y, scale):
    t = band(y, TITLE_TOP, TITLE_BOTTOM)
    if t is not None:
        if t * 22 >= 21:
            return 78
        return lerp(150, 118, t) + 8 * haze(y * 5)
    t = band(y, TABS_TOP, TABS_BOTTOM)
    if t is not None:
        if t * 24 < 1:
            return 110
        return lerp(168, 196, t) + 6 * haze(y * 5)
    if TITLE_BOTTOM <= y < TABS_TOP:
        return 244 + 7 * haze(y)
    return 128


def background(value, scale):
    shade = lambda x, y: grey(value(y, scale))
    return scale, SCREEN_HEIGHT * scale, greyscale_safe(
        render(1, SCREEN_HEIGHT, scale, shade, grey(0)))


def sampled_rows(value):
    """Pinstripes and 1-pixel lines must not be blurred by supersampling: sample each row once."""
    return lambda y, scale: value(math.floor(y * scale) / scale + 0.5 / scale, scale)


# ---- fixed three-part pieces --------------------------------------------------------------------

def title_decoration():
    width, height = 21, 22
    sd = lambda x, y: rounded_rect(x, y, 0, 1, width, height - 1, 6.0)
    gloss_sd = lambda x, y: rounded_rect(x, y, 1.8, 2.3, width - 1.8, 10.5, 4.2)

    def shade(x, y):
        d = sd(x, y)
        if d > 0:
            return None
        if d > -1:
            return grey(66)
        t = (y - 1) / (height - 2)
        v = lerp(140, 186, smooth(0.45, 1.0, t))
        g = gloss_sd(x, y)
        if g < 0:
            v = lerp(v, lerp(250, 196, clamp((y - 2.3) / 8.2)), 0.9 * clamp(-g / 1.2))
        return grey(v)
    return width, height, shade, grey(150)


def progress_face(filled):
    width, height = 9, 12
    sd = lambda x, y: rounded_rect(x, y, 0, 0, width, height, 4.0)
    gloss_sd = lambda x, y: rounded_rect(x, y, 1.5, 1.3, width - 1.5, 5.6, 2.6)

    def shade(x, y):
        d = sd(x, y)
        if d > 0:
            return None
        if d > -1:
            return grey(56 if filled else 120)
        t = y / height
        if not filled:
            v = lerp(226, 252, smooth(0.05, 0.6, t))         # trough lit from below
            return grey(v - 18 * (1 - smooth(1.0, 2.2, y)))  # shadow under the top edge
        v = lerp(84, 146, smooth(0.4, 1.0, t))
        g = gloss_sd(x, y)
        if g < 0:
            v = lerp(v, lerp(240, 170, clamp((y - 1.3) / 4.3)), 0.8 * clamp(-g / 1.0))
        return grey(v)
    return width, height, shade, grey(240)


def three_part(piece, scale):
    width, height, shade, backdrop = piece
    pixels = render(width, height, scale, shade, backdrop, middle=width // 2)
    return width * scale, height * scale, greyscale_safe(pixels)


# ---- check marks (fixed colours) ----------------------------------------------------------------

def check_box(checked):
    size = 13
    box = lambda x, y: rounded_rect(x, y, 0, 0, size, size, 2.5)
    tick = lambda x, y: min(capsule(x, y, 3.2, 6.6, 5.6, 9.4, 0.95),
                            capsule(x, y, 5.6, 9.4, 10.0, 3.4, 0.95))

    def shade(x, y):
        d = box(x, y)
        if d > 0:
            return None
        if d > -1:
            return (86, 98, 118)
        c = mix((255, 255, 255), (214, 222, 234), smooth(0.1, 1.0, y / size))
        c = mix(c, (180, 190, 206), 0.5 * (1 - smooth(1.0, 2.4, min(x, y))))   # inner shadow
        if checked:
            k = tick(x, y)
            if k < 0:
                return mix((40, 150, 50), (12, 92, 24), smooth(3, 10, y))
        return c
    return shade


# ---- icons --------------------------------------------------------------------------------------

def solid(d, fill, edge, edge_width=0.85):
    """A point `d` from a shape's edge: `fill` inside, `edge` on its rim, None outside."""
    if d > 0:
        return None
    if d > -edge_width:
        return edge
    return fill


GLYPH = (38, 40, 48)


def icon_resize(x, y):
    d = min(triangle(x, y, (1.5, 1.5), (1.5, 7.2), (7.2, 1.5)),
            capsule(x, y, 3.5, 3.5, 6.9, 6.9, 0.95),
            triangle(x, y, (14.5, 14.5), (14.5, 8.8), (8.8, 14.5)),
            capsule(x, y, 12.5, 12.5, 9.1, 9.1, 0.95))
    return GLYPH if d < 0 else None


def icon_options(x, y):
    return GLYPH if gear(x, y, 8, 8, 7.2, 8, 2.3) < 0 else None


def arrow_arc(x, y, cx, cy, radius, half_width, gap_from, gap_to, head):
    """A ring with a gap between two angles (degrees, screen coordinates, clockwise) and an
    arrow head at the gap's start pointing clockwise."""
    angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
    ring = abs(math.hypot(x - cx, y - cy) - radius) - half_width
    if gap_from <= angle <= gap_to:
        ring = 1.0
    a = math.radians(gap_from)
    px, py = cx + radius * math.cos(a), cy + radius * math.sin(a)
    tx, ty = -math.sin(a), math.cos(a)
    nx, ny = math.cos(a), math.sin(a)
    tip = (px + head * tx, py + head * ty)
    left = (px - 0.4 * tx + head * nx, py - 0.4 * ty + head * ny)
    right = (px - 0.4 * tx - head * nx, py - 0.4 * ty - head * ny)
    return min(ring, triangle(x, y, tip, left, right))


def icon_refresh(x, y):
    return GLYPH if arrow_arc(x, y, 8, 8.4, 5.3, 1.05, 282, 340, 3.1) < 0 else None


def icon_broom(x, y):
    # broom coordinates: u along the handle toward the bristles (down-left), v across it
    c, s = -0.7071, 0.7071
    u = (x - 9) * c + (y - 7) * s
    v = -(x - 9) * s + (y - 7) * c
    handle = capsule(u, v, -7.0, 0, 1.5, 0, 0.85)
    binding = rounded_rect(u, v, 1.0, -2.3, 2.6, 2.3, 0.6)
    bristles = max(rounded_rect(u, v, 2.3, -4.3, 7.6, 4.3, 1.0), abs(v) - (2.3 + (u - 2.3) * 0.38))
    sparkle = math.sqrt(abs(x - 4.0)) + math.sqrt(abs(y - 4.0)) - math.sqrt(4.8)   # a four-point star
    straw = (236, 196, 72) if (v * 1.6) % 1.0 < 0.6 else (206, 156, 44)
    return (solid(sparkle, (70, 170, 235), (40, 120, 200), 0.0)
            or solid(binding, (210, 48, 40), (130, 24, 20), 0.6)
            or solid(bristles, straw, (150, 104, 24))
            or solid(handle, (176, 112, 56), (102, 58, 24), 0.6))


def icon_database(x, y):
    top = ellipse(x, y, 8, 4.2, 5.6, 2.2)
    if top < -0.8:
        return mix((170, 214, 250), (120, 180, 240), clamp((y - 2.4) / 3.6))
    shape = min(top, ellipse(x, y, 8, 12.4, 5.6, 2.2), max(abs(x - 8) - 5.6, abs(y - 8.3) - 4.1))
    body = mix((24, 82, 168), (96, 166, 236), clamp(1 - abs((x - 6.6) / 6.0)))   # lit left of centre
    for band_y in (7.4, 10.3):                               # the rims between stacked discs
        if abs(ellipse(x, y, 8, band_y, 5.6, 2.2)) < 0.45 and y > band_y:
            body = mix(body, (20, 54, 120), 0.75)
    return solid(shape, body, (18, 50, 110))


def power_sign(x, y):
    """A ring open at the top with a bar through the opening."""
    ring = abs(math.hypot(x - 8, y - 8.8) - 5.2) - 1.05
    if 228 <= math.degrees(math.atan2(y - 8.8, x - 8)) % 360 <= 312:
        ring = max(ring, 1.2)
    return min(ring, capsule(x, y, 8, 1.8, 8, 7.6, 1.05))


def icon_power(x, y):
    fill = mix((96, 214, 96), (22, 132, 44), smooth(1.5, 14.5, y))
    return solid(power_sign(x, y), fill, (14, 96, 32), 0.55)


def icon_wrench(x, y):
    # a handle and a round head, less the jaw's opening and the hanging hole
    shape = max(min(capsule(x, y, 3.4, 12.6, 9.6, 6.4, 1.45), circle(x, y, 11.0, 5.0, 3.6)),
                -circle(x, y, 13.1, 2.9, 1.9), -circle(x, y, 3.4, 12.6, 0.55))
    fill = mix((226, 232, 240), (124, 136, 154), smooth(-3, 4, (x - 8) * 0.3 + (y - 8) * 0.9 + 1.5))
    return solid(shape, fill, (56, 64, 82))


def icon_card(x, y):
    shape = max(rounded_rect(x, y, 3.0, 1.0, 13.0, 15.0, 1.0), (x - y) - 8.6)   # corner cut off
    contact = min(rounded_rect(x, y, l, 2.2, l + 1.0, 5.0, 0.2) for l in (4.8, 6.8, 8.8))
    label = rounded_rect(x, y, 4.6, 7.2, 11.4, 13.6, 0.6)
    if contact < 0:
        return (236, 188, 64)
    if label < 0:
        return (240, 120, 40) if y < 8.8 else (226, 234, 246)
    return solid(shape, mix((84, 104, 150), (40, 56, 96), y / 16), (22, 30, 60))


def icon_gears(x, y):
    big = gear(x, y, 6.4, 9.6, 5.9, 8, 1.6)
    small = gear(x, y, 11.9, 4.5, 3.6, 6, 1.0)
    return (solid(big, mix((252, 184, 70), (214, 110, 20), y / 15.5), (150, 70, 10))
            or solid(small, mix((130, 186, 246), (46, 104, 196), y / 8.5), (24, 58, 130)))


def icon_strip(icons, scale, backdrop):
    frames = [render(16, 16, scale, icon, backdrop) for icon in icons]
    pixels, width = strip(frames, 16 * scale, 16 * scale)
    return width, 16 * scale, pixels


# ---- the set ------------------------------------------------------------------------------------

def images(scale):
    """(resource id, width, height, pixels) of every image at `scale`."""
    yield (253,) + background(sampled_rows(background_stripes), scale)
    yield (271,) + background(sampled_rows(background_solid), scale)
    yield (275,) + background(sampled_rows(background_gradient), scale)
    yield (278,) + background(sampled_rows(background_hazy), scale)
    yield (254,) + face_strip("gel", 20, scale, tab=False)
    yield (255,) + face_strip("gel", 24, scale, tab=True)
    yield (272,) + face_strip("shiny", 20, scale, tab=False)
    yield (270,) + face_strip("shiny", 24, scale, tab=True)
    yield (274,) + face_strip("rusty", 20, scale, tab=False, seed=274)
    yield (279,) + face_strip("rusty", 24, scale, tab=True, seed=279)
    yield (277,) + face_strip("simple", 20, scale, tab=False)
    yield (276,) + face_strip("simple", 24, scale, tab=True)
    yield (240,) + three_part(title_decoration(), scale)
    yield (258,) + three_part(progress_face(False), scale)
    yield (259,) + three_part(progress_face(True), scale)
    boxes = [render(13, 13, scale, check_box(c), grey(240)) for c in (False, True)]
    pixels, width = strip(boxes, 13 * scale, 13 * scale)
    yield 256, width, 13 * scale, pixels
    yield (260,) + icon_strip((icon_resize, icon_options, icon_refresh), scale, grey(168))
    yield (261,) + icon_strip((icon_broom, icon_database, icon_power, icon_wrench, icon_card, icon_gears),
                              scale, grey(214))


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for scale, suffix in ((1, ""), (2, "_vga")):
        for image_id, width, height, pixels in images(scale):
            assert len(pixels) == width * height
            write_png(os.path.join(folder, "%d%s.png" % (image_id, suffix)), width, height, pixels)


if __name__ == "__main__":
    main()
