#!/usr/bin/python3
"""Reads the contrast of Tarvo's labels as they are drawn on screen, under whatever theme runs.

A learner at the keyboard (xdotool keys and clicks) opens every exercise from the menu in turn,
presses Start and answers one item. The menu and each exercise window are then photographed
(ImageMagick `import`). AT-SPI tells where each label on screen is and what it says; inside a
label's rectangle the most common colour is its background and the ink is the colour, found in
a few pixels at least, that stands out most from it. The WCAG 2.1 contrast ratio between the two
is printed per label; under 4.5 the label fails. A theme plugin that overrides what the program
sets is caught too, since only the pixels count.

Exits 0 when every label reaches 4.5, 1 when one does not, 2 when the program, the windows or
the accessibility bus cannot be reached. Started by scripts/theme-check.sh.
"""
import os
import subprocess
import sys
import time
from collections import Counter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from a11y_tree import (TEXT_ROLES, StepFailed, arguments, find, label_text, labels, log,  # noqa: E402
                       message_box, need, pyatspi, reach_application, safe, showing, wait_for, wait_for_item,
                       walk, window_with)

MINIMUM = 4.5
# Texts drawn by a panel rather than a label: the menu's instruction.
INSTRUCTION_PANELS = {"Choose an exercise and click on the icon"}
INK_PIXELS = 4         # an ink colour must cover at least this many pixels (not a stray edge)
SOLUTION_PREFIX = "The correct solution is: "
# The keys that type the Hungarian letters in the answer boxes (the program's own substitutions).
SUBSTITUTE = str.maketrans({"á": "'", "é": ";", "í": "`", "ó": "=", "ö": "0", "ő": "[", "ú": "]", "ü": "-",
                            "ű": "\\", "Á": '"', "É": ":", "Í": "~", "Ó": "+", "Ö": ")", "Ő": "{", "Ú": "}",
                            "Ü": "_", "Ű": "|"})


# -- the learner at the keyboard -----------------------------------------------------------------
def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=False)
        time.sleep(0.35)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text.translate(SUBSTITUTE)], check=False)
    time.sleep(0.3)


def extents(node):
    """The node's rectangle on screen: x, y, width, height."""
    box = safe(lambda: node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
    return (box.x, box.y, box.width, box.height) if box else None


def click(node):
    x, y, w, h = need("a place on screen", extents(node))
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "1"], check=False)
    time.sleep(0.4)


def read_solution(app, seconds):
    """Presses Solution (Alt+L), reads its box and closes it with Enter."""
    keys("alt+l")
    box = need("the solution box", wait_for("the solution box", lambda: message_box(app), seconds))
    text = label_text(box)
    keys("Return")
    wait_for("the solution box to close", lambda: message_box(app) is None, seconds)
    if SOLUTION_PREFIX not in text:
        raise StepFailed(f'a solution in "{text}"')
    return text.split(SOLUTION_PREFIX, 1)[1].strip()


def exercise_1(app, window, seconds, snap):
    wait_for_item(window, "Noun", seconds)
    return read_solution(app, seconds).split()[0]


def exercise_2(app, window, seconds, snap):
    click(need("the tick of picture 1", find(window, "Choose picture 1", (pyatspi.ROLE_CHECK_BOX,))))
    return read_solution(app, seconds).split(" / ")[0]


def exercise_3_or_4(app, window, seconds, snap):
    wait_for_item(window, "Sentence beginning", seconds)
    return read_solution(app, seconds)


def exercise_5(app, window, seconds, snap):
    tick = need("the reveal tick of picture 1", find(window, "Reveal the word for picture 1", (pyatspi.ROLE_CHECK_BOX,)))
    click(tick)
    shown = lambda: [safe(lambda: n.name) for n in labels(window) if showing(n) and safe(lambda: n.name)]
    word = need("the revealed word", wait_for("the revealed word",
                                             lambda: next((t for t in shown() if " " not in t), None), seconds))
    snap("exercise 5, word revealed")  # the word's label hides again as soon as one types
    return word


# number, access key that opens it, its start key, a control only it has, how to find the answer
EXERCISES = [
    (1, "alt+1", "alt+s", "Article", exercise_1),
    (2, "alt+2", "alt+s", "Answer to question 1", exercise_2),
    (3, "alt+3", "alt+s", "Sentence beginning", exercise_3_or_4),
    (4, "alt+4", "alt+s", "Sentence beginning", exercise_3_or_4),
    (5, "alt+5", "alt+t", "Your word", exercise_5),
]


# -- the pixels -------------------------------------------------------------------------------
def screenshot(path):
    subprocess.run(["import", "-window", "root", path], check=True)


def window_shot(path):
    active = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
    if active:
        subprocess.run(["import", "-window", active, "-frame", path], check=False)


def pixels(image, rect):
    """The pixels of a rectangle of an image file, as (r, g, b) tuples (ImageMagick to PPM)."""
    x, y, w, h = rect
    ppm = subprocess.run(["convert", image, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "ppm:-"],
                         capture_output=True, check=True).stdout
    # P6, width, height, maxval, then the bytes (the header fields are separated by whitespace).
    fields, at = [], 0
    while len(fields) < 4:
        while ppm[at:at + 1].isspace():
            at += 1
        start = at
        while not ppm[at:at + 1].isspace():
            at += 1
        fields.append(ppm[start:at])
    data = ppm[at + 1:]
    return [tuple(data[i:i + 3]) for i in range(0, len(data) - 2, 3)]


def luminance(rgb):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def ink_and_ground(colours):
    """The background (the commonest colour) and the ink (the colour, in INK_PIXELS pixels at
    least, that stands out most from it); the ink is the background itself when nothing does."""
    counts = Counter(colours)
    ground = counts.most_common(1)[0][0]
    candidates = [c for c, n in counts.items() if n >= INK_PIXELS and c != ground]
    ink = max(candidates, key=lambda c: contrast(c, ground), default=ground)
    return ink, ground


def hex_colour(rgb):
    return "#%02x%02x%02x" % rgb


def sample(image, window, title, results):
    """The contrast of every label with text that is on screen in the window, and of the
    instruction panels."""
    for _, node in walk(window):
        role = safe(lambda: node.getRole())
        name = (safe(lambda: node.name, "") or "").strip()
        if not name or not showing(node) or (role != pyatspi.ROLE_LABEL and name not in INSTRUCTION_PANELS):
            continue
        rect = extents(node)
        if not rect or rect[2] < 4 or rect[3] < 4:
            continue
        ink, ground = ink_and_ground(pixels(image, rect))
        ratio = contrast(ink, ground)
        verdict = "ok  " if ratio >= MINIMUM else "FAIL"
        shown = name if len(name) <= 60 else name[:57] + "..."
        log(f"  {verdict} {ratio:5.2f}:1  ink {hex_colour(ink)} on {hex_colour(ground)}  {title}: \"{shown}\"")
        results.append((title, name, ratio))


def main():
    parser = arguments(__doc__, "step", 150)
    parser.add_argument("--shots", required=True, help="folder for the screenshots")
    args = parser.parse_args()
    app = reach_application("theme_contrast", args.limit, args.wait)
    if app is None:
        return 2
    results = []
    try:
        menu = need("the menu", wait_for("the exercise menu", lambda: window_with(app, ["Exercise 1", "End"]), args.wait))
        time.sleep(1)
        root = os.path.join(args.shots, "screen.png")
        screenshot(root)
        window_shot(os.path.join(args.shots, "menu.png"))
        log("== the menu")
        sample(root, menu, "menu", results)
        for number, opener, start, own, answer_for in EXERCISES:
            keys(opener)
            window = need(f"the window of exercise {number}",
                          wait_for(f"the window of exercise {number}",
                                   lambda: next((w for w in list(app) if showing(w) and find(w, own, TEXT_ROLES)), None),
                                   args.wait))
            keys(start)

            def snap(title, window=window):
                time.sleep(0.3)
                screenshot(root)
                sample(root, window, title, results)

            answer = answer_for(app, window, args.wait, snap)
            type_text(answer)
            keys("Return")
            time.sleep(0.8)
            if message_box(app) is not None:
                raise StepFailed(f"acceptance of the right answer {answer!r} in exercise {number}")
            log(f"== exercise {number}, answered {answer!r}")
            screenshot(root)
            window_shot(os.path.join(args.shots, f"exercise{number}.png"))
            sample(root, window, f"exercise {number}", results)
    except StepFailed as failure:
        log(f"theme_contrast: FAILED: no {failure}")
        return 2
    low = [r for r in results if r[2] < MINIMUM]
    log(f"theme_contrast: {len(results)} labels sampled, {len(low)} under {MINIMUM}:1"
        + (f" (lowest {min(r[2] for r in results):.2f}:1)" if results else ""))
    if not results:
        return 2
    return 1 if low else 0


if __name__ == "__main__":
    sys.exit(main())
