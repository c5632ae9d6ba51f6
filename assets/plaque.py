"""One hotspot frame: a gold-rimmed green plaque with an engraved label, in its three looks."""

from PIL import Image, ImageDraw, ImageFilter

import emblems
import theme as t

NORMAL, HOVERED, PRESSED = range(3)
MARGIN = 3     # room around the plaque for the hover glow; the background shows there
SUPER = 4      # supersampling factor for smooth plaque edges


def _rounded_mask(size, box, radius):
    """An anti-aliased rounded-rectangle mask of the frame size."""
    w, h = size
    big = Image.new("L", (w * SUPER, h * SUPER), 0)
    l, tp, r, b = box
    ImageDraw.Draw(big).rounded_rectangle(
        (l * SUPER, tp * SUPER, r * SUPER - 1, b * SUPER - 1), radius * SUPER, fill=255)
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


def _radius(box):
    return max(4, min(10, (box[3] - box[1]) // 4))


_LOOK = {
    NORMAL: dict(rim=t.GOLD, rim_inner=t.GOLD_DARK, fill=(t.GREEN_TOP, t.GREEN_BOTTOM),
                 text=t.CREAM, sub=t.GOLD_BRIGHT, line=t.GOLD),
    HOVERED: dict(rim=t.GOLD_BRIGHT, rim_inner=t.GOLD, fill=(t.GREEN_HOVER_TOP, t.GREEN_HOVER_BOTTOM),
                  text=t.GOLD_BRIGHT, sub=t.CREAM, line=t.GOLD_BRIGHT),
    PRESSED: dict(rim=t.GOLD_DARK, rim_inner=t.SHADOW, fill=(t.GREEN_PRESSED_TOP, t.GREEN_PRESSED_BOTTOM),
                  text=t.mix(t.CREAM, t.GOLD, 0.35), sub=t.GOLD, line=t.GOLD_DARK),
}


def _shadow_or_glow(frame, outer, radius, state):
    if state == PRESSED:
        return
    mask = _rounded_mask(frame.size, outer, radius)
    if state == HOVERED:
        halo = mask.filter(ImageFilter.GaussianBlur(2.2)).point(lambda v: min(255, v * 2))
        frame.paste(Image.new("RGB", frame.size, t.GOLD_BRIGHT), (0, 0), halo)
    else:
        shadow = Image.new("L", frame.size, 0)
        shadow.paste(mask, (1, 2))
        shadow = shadow.filter(ImageFilter.GaussianBlur(1.2)).point(lambda v: v * 3 // 5)
        frame.paste(Image.new("RGB", frame.size, t.SHADOW), (0, 0), shadow)


def _body(frame, outer, radius, look, state):
    frame.paste(Image.new("RGB", frame.size, look["rim"]), (0, 0), _rounded_mask(frame.size, outer, radius))
    rim_in = _inset(outer, 2)
    frame.paste(Image.new("RGB", frame.size, look["rim_inner"]), (0, 0),
                _rounded_mask(frame.size, rim_in, radius - 1))
    field = _inset(outer, 3)
    fill = _gradient(frame.size, *look["fill"])
    frame.paste(fill, (0, 0), _rounded_mask(frame.size, field, radius - 2))
    if state == PRESSED:
        # an inner shadow along the top and left edges makes the plaque read as pushed in
        shade = Image.new("L", frame.size, 0)
        l, tp, r, b = field
        ImageDraw.Draw(shade).rectangle((l, tp, r, tp + 2), fill=150)
        ImageDraw.Draw(shade).rectangle((l, tp, l + 2, b), fill=110)
        shade = shade.filter(ImageFilter.GaussianBlur(1))
        clip = _rounded_mask(frame.size, field, radius - 2)
        shade = Image.composite(shade, Image.new("L", frame.size, 0), clip)
        frame.paste(Image.new("RGB", frame.size, t.SHADOW), (0, 0), shade)
    else:
        # a hairline engraved border inside the field
        inner = _inset(field, 2)
        ImageDraw.Draw(frame).rounded_rectangle(inner, max(2, radius - 4), outline=t.mix(look["line"], look["fill"][0], 0.45))


def _draw_text(draw, xy, text, font, colour, state):
    x, y = xy
    draw.text((x + 1, y + 1), text, font=font, fill=t.SHADOW)
    if state != PRESSED:
        draw.text((x - 1, y - 1), text, font=font, fill=t.mix(colour, (0, 0, 0), 0.7))
    draw.text((x, y), text, font=font, fill=colour)


def _label_layout(hotspot, field):
    """Fonts and positions for the label, the optional sub-label and the optional emblem."""
    l, tp, r, b = field
    w, h = r - l, b - tp
    emblem_size = 0
    if hotspot.emblem and h >= 60:
        emblem_size = min(h - 16, w // 3, 46)
    text_w = w - 12 - (emblem_size + 6 if emblem_size else 0)
    text_h = h - 6
    if hotspot.sublabel:
        main_font = t.fit_font(hotspot.label, text_w, text_h * 0.55, max_size=22)
        sub_font = t.fit_font(hotspot.sublabel, text_w, text_h * 0.35, max_size=max(10, main_font[1] * 3 // 4),
                              paths=(t.SERIF_ITALIC,))
    else:
        main_font = t.fit_font(hotspot.label, text_w, text_h, max_size=20)
        sub_font = None
    return emblem_size, text_w, main_font, sub_font


def _text_block(draw, hotspot, field, look, state, shift):
    l, tp, r, b = field
    emblem_size, text_w, (main_path, main_size), sub = _label_layout(hotspot, field)
    main = t.font(main_path, main_size)
    items = [(hotspot.label, main, look["text"])]
    if sub:
        items.append((hotspot.sublabel, t.font(t.SERIF_ITALIC, sub[1]), look["sub"]))
    boxes = [f.getbbox(s) for s, f, _ in items]
    gap = 3
    total_h = sum(bb[3] - bb[1] for bb in boxes) + gap * (len(items) - 1)
    x0 = l + 6 + (emblem_size + 6 if emblem_size else 0)
    y = tp + (b - tp - total_h) // 2
    if emblem_size:
        ey = tp + (b - tp - emblem_size) // 2
        emblems.draw(draw, hotspot.emblem, (l + 8 + shift, ey + shift, emblem_size), look["sub"], state)
    for (text, f, colour), bb in zip(items, boxes):
        tw = bb[2] - bb[0]
        x = x0 + (text_w - tw) // 2 - bb[0]
        _draw_text(draw, (x + shift, y - bb[1] + shift), text, f, colour, state)
        y += bb[3] - bb[1] + gap


def render(background, hotspot, state):
    """The frame of `hotspot` in `state`, drawn over `background` (the backdrop crop under it)."""
    frame = background.copy()
    w, h = frame.size
    outer = (MARGIN, MARGIN, w - MARGIN, h - MARGIN)
    radius = _radius(outer)
    look = _LOOK[state]
    _shadow_or_glow(frame, outer, radius, state)
    _body(frame, outer, radius, look, state)
    shift = 1 if state == PRESSED else 0
    _text_block(ImageDraw.Draw(frame), hotspot, _inset(outer, 3), look, state, shift)
    return frame
