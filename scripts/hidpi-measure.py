#!/usr/bin/python3
"""Measures a screenshot of the hardening route's window at a desktop scale.

  hidpi-measure.py SHOT SCALE PLAIN

SHOT is the window at SCALE, PLAIN the same window at scale 1. Fails (status 1, with the reason)
unless the dotted grid lines of the process diagram all have the one device width that a line of
one logical pixel has at that scale, and unless the explanatory text's visible area is SCALE times
its area at scale 1 (its scroll bars grew by the same scale as the rest of the window).
"""
import sys

from PIL import Image

GOLD = (255, 215, 0)  # the diagrams' frames
TEXT_BOX = (255, 255, 128)  # the explanatory text


def spans(flags):
    """The (start, end) of each run of true values."""
    out, start = [], None
    for i, flag in enumerate(flags + [False]):
        if flag and start is None:
            start = i
        elif not flag and start is not None:
            out.append((start, i))
            start = None
    return out


def process_diagram(pixels, width, height, scale):
    """The interior of the leftmost gold frame: columns that are gold over a long stretch."""
    tall = 100 * scale
    columns = [sum(pixels[x, y] == GOLD for y in range(height)) > tall for x in range(width)]
    runs = [r for r in spans(columns) if r[1] - r[0] > tall]
    if not runs:
        sys.exit("no diagram frame found")
    left, right = runs[0]
    middle = (left + right) // 2
    rows = spans([pixels[middle, y] == GOLD or pixels[middle + 1, y] == GOLD for y in range(height)])
    top, bottom = max(rows, key=lambda r: r[1] - r[0])
    return left, top, right, bottom


def line_widths(ink):
    """The widths of the runs of ink that lie wholly inside the scanned range."""
    return [end - start for start, end in spans(ink) if start > 0 and end < len(ink)]


def check_grid(pixels, box, scale):
    left, top, right, bottom = box
    expected = max(1, int(scale + 0.5))
    # The band below the frame's top holds only the vertical lines; a strip beside the first
    # vertical line holds only the horizontal ones.
    band = range(top + 2, top + (bottom - top) // 10)
    vertical = line_widths([any(pixels[x, y] != GOLD for y in band) for x in range(left, right)])
    if len(vertical) < 5:
        sys.exit(f"only {len(vertical)} vertical grid lines found")
    first = left + next(i for i in range(right - left) if any(pixels[left + i, y] != GOLD for y in band))
    strip = range(first + expected + 2, first + expected + 2 + 6 * expected)
    horizontal = line_widths([any(pixels[x, y] != GOLD for x in strip) for y in range(top, bottom)])
    if len(horizontal) < 3:
        sys.exit(f"only {len(horizontal)} horizontal grid lines found")
    for kind, widths in (("vertical", vertical), ("horizontal", horizontal)):
        if set(widths) != {expected}:
            sys.exit(f"{kind} grid lines measure {widths}, not all {expected}")


def text_area(pixels, width, height):
    """Width and height of the explanatory text's visible area."""
    xs = [x for x in range(width) if any(pixels[x, y] == TEXT_BOX for y in range(0, height, 2))]
    ys = [y for y in range(height) if any(pixels[x, y] == TEXT_BOX for x in range(0, width, 2))]
    if not xs or not ys:
        sys.exit("no explanatory text found")
    return xs[-1] - xs[0] + 1, ys[-1] - ys[0] + 1


def main():
    shot, scale, plain = Image.open(sys.argv[1]).convert("RGB"), float(sys.argv[2]), sys.argv[3]
    pixels = shot.load()
    check_grid(pixels, process_diagram(pixels, *shot.size, scale), scale)
    reference = Image.open(plain).convert("RGB")
    area = text_area(pixels, *shot.size)
    plain_area = text_area(reference.load(), *reference.size)
    for measured, single, side in zip(area, plain_area, ("width", "height")):
        if abs(measured - scale * single) > 2 + scale:
            sys.exit(f"the text's visible {side} is {measured}, not {scale} x {single}")


if __name__ == "__main__":
    main()
