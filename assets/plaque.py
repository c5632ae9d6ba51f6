"""One hotspot frame: a gold-rimmed plaque with an engraved label, in its three looks."""

from PIL import Image, ImageDraw, ImageFilter

import emblems
import theme as t

NORMAL, HOVERED, PRESSED = range(3)
MARGIN = 3        # room around the plaque for the hover glow; the background shows there
RIM = 3           # gold rim width
PAD = 5           # space between the rim and the label
SUPER = 4         # supersampling factor for smooth plaque edges
NAVIGATION = ("artToMain", "artQuit")
MAX_LABEL_SIZE = 24


def _rounded_mask(size, box, radius, k):
    """An anti-aliased rounded-rectangle mask of the frame size; `box` and `radius` in 1x pixels."""
    w, h = size
    big = Image.new("L", (w * SUPER, h * SUPER), 0)
    n = k * SUPER
    l, tp, r, b = box
    ImageDraw.Draw(big).rounded_rectangle((l * n, tp * n, r * n - 1, b * n - 1), radius * n, fill=255)
    return big.resize(size, Image.LANCZOS)


def _gradient(size, top, bottom):
    w, h = size
    column = Image.new("RGB", (1, h))
    for y in range(h):
        column.putpixel((0, y), t.mix(top, bottom, y / max(1, h - 1)))
    return column.resize(size)


def _inset(box, d):
    l, tp, r, b = box
    return (l + d, tp + d, r - d, b - d)


def _tones(hotspot):
    """Fill colours (top, bottom) for normal, hovered and pressed: green for choices, burgundy for leaving."""
    if hotspot.art in NAVIGATION:
        base, hovered = (t.BURGUNDY, t.BURGUNDY_DARK), (t.BURGUNDY_HOVER_TOP, t.BURGUNDY_HOVER_BOTTOM)
    else:
        base, hovered = (t.GREEN_TOP, t.GREEN_BOTTOM), (t.GREEN_HOVER_TOP, t.GREEN_HOVER_BOTTOM)
    pressed = (t.mix(base[1], (0, 0, 0), 0.45), t.mix(base[0], (0, 0, 0), 0.2))
    return base, hovered, pressed


def _look(hotspot, state):
    fill = _tones(hotspot)[state]
    if state == HOVERED:
        return dict(rim=t.GOLD_BRIGHT, rim_edge=t.GOLD, fill=fill, text=t.GOLD_BRIGHT, sub=t.CREAM)
    if state == PRESSED:
        return dict(rim=t.GOLD_DARK, rim_edge=t.SHADOW, fill=fill, text=t.mix(t.CREAM, t.GOLD, 0.45), sub=t.GOLD)
    return dict(rim=t.GOLD, rim_edge=t.GOLD_DARK, fill=fill, text=t.CREAM, sub=t.GOLD_BRIGHT)


def _shadow_or_glow(frame, outer, radius, state, k):
    mask = _rounded_mask(frame.size, outer, radius, k)
    if state == HOVERED:
        halo = mask.filter(ImageFilter.GaussianBlur(1.6 * k)).point(lambda v: min(200, v * 3 // 2))
        frame.paste(Image.new("RGB", frame.size, t.GOLD_BRIGHT), (0, 0), halo)
    elif state == NORMAL:
        shadow = Image.new("L", frame.size, 0)
        shadow.paste(mask, (k, 2 * k))
        shadow = shadow.filter(ImageFilter.GaussianBlur(1.2 * k)).point(lambda v: v * 3 // 5)
        frame.paste(Image.new("RGB", frame.size, t.SHADOW), (0, 0), shadow)


def _body(frame, outer, radius, look, state, k):
    size = frame.size
    frame.paste(_gradient(size, look["rim"], look["rim_edge"]), (0, 0), _rounded_mask(size, outer, radius, k))
    field = _inset(outer, RIM)
    field_mask = _rounded_mask(size, field, max(2, radius - 2), k)
    frame.paste(Image.new("RGB", size, look["rim_edge"]), (0, 0),
                _rounded_mask(size, _inset(outer, RIM - 1), radius - 1, k))
    frame.paste(_gradient(size, *look["fill"]), (0, 0), field_mask)
    l, tp, r, b = field
    if state == PRESSED:
        # an inner shadow along the top and left edges makes the plaque read as pushed in
        shade = Image.new("L", size, 0)
        ImageDraw.Draw(shade).rectangle(t.box(k, l, tp, r, tp + 2), fill=170)
        ImageDraw.Draw(shade).rectangle(t.box(k, l, tp, l + 2, b), fill=120)
        shade = shade.filter(ImageFilter.GaussianBlur(k))
        shade = Image.composite(shade, Image.new("L", size, 0), field_mask)
        frame.paste(Image.new("RGB", size, t.SHADOW), (0, 0), shade)
    else:
        # a sheen on the upper half and a hairline engraved border inside the field
        sheen = Image.new("L", size, 0)
        ImageDraw.Draw(sheen).rectangle(t.box(k, l, tp, r, tp + (b - tp) * 2 // 5), fill=40 if state == NORMAL else 60)
        sheen = Image.composite(sheen.filter(ImageFilter.GaussianBlur(2 * k)), Image.new("L", size, 0), field_mask)
        frame.paste(Image.new("RGB", size, (255, 246, 214)), (0, 0), sheen)
        ImageDraw.Draw(frame).rounded_rectangle(t.box(k, *_inset(field, 2)), max(2, radius - 4) * k,
                                                outline=t.mix(look["rim"], look["fill"][0], 0.55), width=k)


def field_box(hotspot):
    outer = (MARGIN, MARGIN, hotspot.frame_w - MARGIN, hotspot.frame_h - MARGIN)
    return _inset(outer, RIM)


def _emblem_side(hotspot):
    """Where the emblem goes: 'left' on wide plaques, 'top' on squarish ones, None without one."""
    l, tp, r, b = field_box(hotspot)
    if not hotspot.emblem or b - tp < 50:
        return None
    return "left" if (r - l) >= 1.9 * (b - tp) else "top"


def _line_height(path, size):
    """Cap top to descender bottom, the same for every text in one face and size."""
    _, top, _, bottom = t.font(path, size).getbbox("Hg")
    return bottom - top


def _fit(text, width, height, max_size, paths):
    for size in range(max_size, 9, -1):
        for path in paths:
            if t.text_width(path, size, text) <= width and _line_height(path, size) <= height:
                return path, size
    raise ValueError("label %r does not fit in %d x %d pixels" % (text, width, height))


def _layout(hotspot, max_size):
    """The emblem box and the label lines (text, font path, size) inside the field."""
    l, tp, r, b = field_box(hotspot)
    w, h = r - l - 2 * PAD, b - tp - 4
    side = _emblem_side(hotspot)
    emblem = None
    if side == "left":
        s = min(h - 8, 48)
        emblem = (l + PAD + 2, tp + (b - tp - s) // 2, s)
        w -= s + 6
        l += s + 6
    elif side == "top":
        s = min(h * 2 // 5, 30)
        emblem = (l + (r - l - s) // 2, tp + 4, s)
        h -= s + 2
        tp += s + 2
    if hotspot.sublabel:
        main = _fit(hotspot.label, w, h * 0.55, min(max_size, 26 if h >= 60 else 22), (t.SERIF_BOLD, t.SERIF_BOLD_CONDENSED))
        sub = _fit(hotspot.sublabel, w, h * 0.4, max(10, main[1] * 3 // 4), (t.SERIF_ITALIC,))
        lines = [(hotspot.label,) + main, (hotspot.sublabel,) + sub]
    else:
        lines = [(hotspot.label,) + _fit(hotspot.label, w, h, min(max_size, 20),
                                        (t.SERIF_BOLD, t.SERIF_BOLD_CONDENSED))]
    return emblem, (l + PAD, tp + 2, l + PAD + w, tp + 2 + h), lines


def label_size(hotspot):
    """The size the label would take on its own, so a screen can give its plaques one common size."""
    return _layout(hotspot, MAX_LABEL_SIZE)[2][0][2]


def _engrave(draw, xy, text, f, colour, state, k):
    x, y = xy
    draw.text((x + k, y + k), text, font=f, fill=t.SHADOW)
    if state != PRESSED:
        draw.text((x, y - k), text, font=f, fill=t.mix(colour, (0, 0, 0), 0.75))
    draw.text((x, y), text, font=f, fill=colour)


def _draw_label(frame, hotspot, state, look, max_size, k):
    """The emblem and the label, laid out in 1x pixels and drawn k times as large: the type at k
    times the size, centred by its own measurements at that size."""
    shift = k if state == PRESSED else 0
    emblem, (l, tp, r, b), lines = _layout(hotspot, max_size)
    if emblem:
        ex, ey, s = emblem
        shadow = emblems.render(hotspot.emblem, s * k, t.SHADOW)
        frame.paste(shadow, ((ex + 1) * k + shift, (ey + 1) * k + shift), shadow)
        icon = emblems.render(hotspot.emblem, s * k, look["sub"])
        frame.paste(icon, (ex * k + shift, ey * k + shift), icon)
    draw = ImageDraw.Draw(frame)
    gap = 3 * k
    heights = [_line_height(path, size * k) for _, path, size in lines]
    y = tp * k + ((b - tp) * k - sum(heights) - gap * (len(lines) - 1) + 1) // 2
    for (text, path, size), height, colour in zip(lines, heights, (look["text"], look["sub"])):
        f = t.font(path, size * k)
        x0, top, x1, _ = f.getbbox(text)
        _, cap_top, _, _ = f.getbbox("Hg")
        x = l * k + ((r - l) * k - (x1 - x0)) // 2 - x0
        _engrave(draw, (x + shift, y - cap_top + shift), text, f, colour, state, k)
        y += height + gap


def render(background, hotspot, state, max_size=MAX_LABEL_SIZE, k=1):
    """The frame of `hotspot` in `state`, drawn over `background` (the backdrop crop under it, k
    times the 1x frame size)."""
    frame = background.copy()
    w, h = hotspot.frame_w, hotspot.frame_h
    outer = (MARGIN, MARGIN, w - MARGIN, h - MARGIN)
    radius = max(4, min(10, (outer[3] - outer[1]) // 4))
    look = _look(hotspot, state)
    _shadow_or_glow(frame, outer, radius, state, k)
    _body(frame, outer, radius, look, state, k)
    _draw_label(frame, hotspot, state, look, max_size, k)
    return frame
