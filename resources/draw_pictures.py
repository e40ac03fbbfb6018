#!/usr/bin/env python3
"""Draws the program's own pictures: the window icon (SVG and PNGs) and the advertising picture
of the Talk to Us page (JPEG).

Each picture is a list of flat shapes, written once as SVG and once as ImageMagick drawing
commands (MVG), so that the PNG and JPEG files need nothing but ImageMagick's `convert` (which
here cannot read SVG itself). Run it from anywhere; it rewrites the files next to it:

    python3 resources/draw_pictures.py
"""
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_FILES = {
    "regular": "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "bold": "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
}


# --- shapes -------------------------------------------------------------------------------

def rect(x0, y0, x1, y1, fill, r=0):
    return ("rect", x0, y0, x1, y1, r, fill)


def poly(points, fill):
    return ("poly", tuple(points), fill)


def line(points, stroke, width):
    return ("line", tuple(points), stroke, width)


def circle(cx, cy, r, fill):
    return ("circle", cx, cy, r, fill)


def text(x, y, size, weight, fill, value, anchor="middle"):
    return ("text", x, y, size, weight, fill, value, anchor)


def to_svg(width, height, shapes, title):
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
           f'viewBox="0 0 {width} {height}">', f"  <title>{title}</title>"]
    for s in shapes:
        kind = s[0]
        if kind == "rect":
            _, x0, y0, x1, y1, r, fill = s
            rr = f' rx="{r}"' if r else ""
            out.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}"{rr} '
                       f'fill="{fill}"/>')
        elif kind == "poly":
            pts = " ".join(f"{x},{y}" for x, y in s[1])
            out.append(f'  <polygon points="{pts}" fill="{s[2]}"/>')
        elif kind == "line":
            pts = " ".join(f"{x},{y}" for x, y in s[1])
            out.append(f'  <polyline points="{pts}" fill="none" stroke="{s[2]}" '
                       f'stroke-width="{s[3]}" stroke-linecap="round" stroke-linejoin="round"/>')
        elif kind == "circle":
            _, cx, cy, r, fill = s
            out.append(f'  <circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}"/>')
        elif kind == "text":
            _, x, y, size, weight, fill, value, anchor = s
            out.append(f'  <text x="{x}" y="{y}" font-family="DejaVu Sans, sans-serif" '
                       f'font-size="{size}" font-weight="{weight}" fill="{fill}" '
                       f'text-anchor="{anchor}">{value}</text>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def to_mvg(width, height, shapes, scale):
    out = [f"viewbox 0 0 {round(width * scale)} {round(height * scale)}",
           f"affine {scale},0,0,{scale},0,0"]
    for s in shapes:
        kind = s[0]
        if kind == "rect":
            _, x0, y0, x1, y1, r, fill = s
            out.append(f"fill '{fill}' stroke none")
            if r:
                out.append(f"roundrectangle {x0},{y0} {x1},{y1} {r},{r}")
            else:
                out.append(f"rectangle {x0},{y0} {x1},{y1}")
        elif kind == "poly":
            out.append(f"fill '{s[2]}' stroke none")
            out.append("polygon " + " ".join(f"{x},{y}" for x, y in s[1]))
        elif kind == "line":
            out.append(f"fill none stroke '{s[2]}' stroke-width {s[3]} "
                       "stroke-linecap round stroke-linejoin round")
            out.append("polyline " + " ".join(f"{x},{y}" for x, y in s[1]))
        elif kind == "circle":
            _, cx, cy, r, fill = s
            out.append(f"fill '{fill}' stroke none")
            out.append(f"circle {cx},{cy} {cx + r},{cy}")
        elif kind == "text":
            _, x, y, size, weight, fill, value, anchor = s
            out.append(f"fill '{fill}' stroke none font '{FONT_FILES[weight]}' "
                       f"font-size {size} text-anchor {anchor}")
            out.append(f"text {x},{y} '{value}'")
    return "\n".join(out) + "\n"


def render(width, height, shapes, size, background, target, extra=()):
    """Draws at eight times the target size and averages each 8 x 8 block: ImageMagick's own
    edge coverage is about a pixel too generous, which the reduction makes negligible."""
    out_w, out_h = size
    big = f"{out_w * 8}x{out_h * 8}"
    # The drawing goes inline: the usual ImageMagick policy refuses "@file" arguments.
    subprocess.run(["convert", "-size", big, f"xc:{background}",
                    "-draw", to_mvg(width, height, shapes, out_w * 8 / width),
                    "-filter", "box", "-resize", f"{out_w}x{out_h}!", *extra, target], check=True)


# --- the window icon: a calculator in front of a rising bar chart -------------------------
# Drawn on a 256 grid whose main edges fall on multiples of 8, so that the 32 pixel rendering
# (one pixel per 8 units) stays crisp.

ICON = [
    rect(8, 8, 248, 248, "#2E8B57", 40),                  # tile, the calculator page's green
    rect(96, 32, 224, 160, "#FFFFFF", 16),                # chart card
    rect(152, 112, 168, 144, "#4A90E2"),                  # bars
    rect(176, 88, 192, 144, "#4A90E2"),
    rect(200, 56, 216, 144, "#4A90E2"),
    line([(156, 92), (184, 68), (208, 36)], "#E67E22", 8),  # trend
    rect(32, 80, 144, 232, "#263238", 16),                # calculator body
    rect(48, 96, 128, 128, "#B9F6CA", 6),                 # display
]
for row_top in (144, 176, 208):
    for col_left, colour in ((48, "#ECEFF1"), (80, "#ECEFF1"), (112, "#F39C12")):
        ICON.append(rect(col_left, row_top, col_left + 16, row_top + 16, colour, 3))


# --- the Talk to Us picture: a boxed product of the maker, 174 x 203 ----------------------

def picture():
    w, h = 174, 203
    shapes = [
        rect(0, 0, w, h, "#E8F3EE"),
        poly([(0, 150), (w, 110), (w, h), (0, h)], "#CFE6DA"),  # floor band
        poly([(22, 182), (136, 182), (160, 170), (46, 170)], "#B5D3C3"),  # shadow
        # box: top, side, front
        poly([(26, 42), (48, 28), (150, 28), (128, 42)], "#5FB88A"),
        poly([(128, 42), (150, 28), (150, 164), (128, 178)], "#1F6B42"),
        rect(26, 42, 128, 178, "#2E8B57"),
        text(77, 64, 17, "bold", "#FFFFFF", "Quenbry"),
        rect(34, 71, 120, 73, "#B9F6CA"),
        # screen on the box with a small chart
        rect(36, 82, 118, 140, "#FFFFFF", 4),
        rect(46, 118, 56, 132, "#4A90E2"),
        rect(62, 108, 72, 132, "#4A90E2"),
        rect(78, 100, 88, 132, "#4A90E2"),
        rect(94, 90, 104, 132, "#4A90E2"),
        line([(44, 112), (67, 100), (83, 93), (110, 86)], "#E67E22", 3),
        rect(42, 133, 112, 134, "#90A4AE"),
        text(77, 157, 10, "bold", "#FFFFFF", "Business Tools"),
        text(77, 170, 8, "regular", "#B9F6CA", "for Windows & Linux"),
        # slogan
        text(87, 16, 10, "bold", "#1F6B42", "Software that counts"),
        text(87, 197, 9, "regular", "#263238", "Ask us about it!"),
    ]
    return w, h, shapes


def main():
    icons = os.path.join(HERE, "icons")
    images = os.path.join(HERE, "images")
    os.makedirs(icons, exist_ok=True)
    os.makedirs(images, exist_ok=True)

    with open(os.path.join(icons, "vexmoor.svg"), "w", encoding="utf-8") as f:
        f.write(to_svg(256, 256, ICON, "Quenbry - Vexmoor"))
    for size in (32, 48, 256):
        render(256, 256, ICON, (size, size), "none",
               "PNG32:" + os.path.join(icons, f"vexmoor-{size}.png"), extra=("-strip",))

    w, h, shapes = picture()
    # Quality chosen for a file of about 7.5 KB.
    render(w, h, shapes, (w, h), "#E8F3EE", os.path.join(images, "imgQnfSut.jpg"),
           extra=("-strip", "-sampling-factor", "4:2:0", "-quality", "86"))
    # Twice the size, for screens with more pixels to the inch (scale factors and large text).
    render(w, h, shapes, (2 * w, 2 * h), "#E8F3EE", os.path.join(images, "imgQnfSut@2x.jpg"),
           extra=("-strip", "-sampling-factor", "4:2:0", "-quality", "86"))


if __name__ == "__main__":
    main()
