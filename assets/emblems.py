"""Small line emblems drawn beside the big main-menu labels."""


def draw(draw, name, box, colour, state):
    x, y, s = box
    w = max(2, s // 14)
    if name == "tree":
        draw.line((x + s // 2, y + s, x + s // 2, y + s // 2), fill=colour, width=w + 1)
        draw.ellipse((x + s // 8, y, x + s - s // 8, y + 3 * s // 4), outline=colour, width=w)
    else:
        draw.ellipse((x + s // 6, y + s // 6, x + s - s // 6, y + s - s // 6), outline=colour, width=w)
