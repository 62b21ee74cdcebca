#!/usr/bin/python3
"""A learner at a running Tarvo, through AT-SPI only (no keyboard, no pointer, no window system).

Opens every exercise from the menu; in each one presses Start, answers one item wrong (the
message box comes up and is answered with OK), then asks for the solution (its box is read and
answered) and gives the right answer; closes the exercise. Then it opens the Progress window
from the menu's "Progress" menu, closes it, and ends the program with End. Works on any platform
Qt runs on, so it drives Tarvo on Wayland, where no program may send another one input.

Exits 0 when every step went through, 1 when a step failed, 2 when the program or the
accessibility bus cannot be reached. Started by scripts/wayland-check.sh.
"""
import argparse
import os
import signal
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from a11y_tree import (Atspi, TEXT_ROLES, describe, find, find_application, log, press, print_tree,  # noqa: E402
                       pyatspi, safe, text_of, type_into, wait_for, walk, window_with, windows)

BUTTON = (pyatspi.ROLE_PUSH_BUTTON,)
SOLUTION_PREFIX = "The correct solution is: "
WRONG = "qqq"


class StepFailed(Exception):
    pass


def need(what, node):
    if not node:
        raise StepFailed(what)
    return node


def button(window, name):
    return need(f'the button "{name}"', find(window, name, BUTTON))


def box_window(app, button_name="OK"):
    """A message box of the program: a window with an OK button and nothing to type into."""
    for window in windows(app):
        nodes = [node for _, node in walk(window)]
        names = {safe(lambda: n.name) for n in nodes}
        if button_name in names and not any(safe(lambda: n.getRole()) in TEXT_ROLES for n in nodes):
            return window
    return None


def box_text(window):
    """Everything the box's labels say."""
    return " ".join(safe(lambda: n.name, "") or "" for _, n in walk(window)
                    if safe(lambda: n.getRole()) == pyatspi.ROLE_LABEL)


def answer_box(app, what, seconds):
    """Waits for a message box, returns its text and presses its OK button."""
    box = need(f"the message box ({what})", wait_for(f"a message box ({what})", lambda: box_window(app), seconds))
    text = box_text(box)
    log(f'   box: "{text}" -> OK')
    press(button(box, "OK"))
    wait_for(f"the box ({what}) to close", lambda: box_window(app) is None, seconds)
    return text


def solution(app, window, seconds, press_name="Solution"):
    press(button(window, press_name))
    text = answer_box(app, "the solution", seconds)
    if SOLUTION_PREFIX not in text:
        raise StepFailed(f'a solution in "{text}"')
    return text.split(SOLUTION_PREFIX, 1)[1].strip()


def next_item(window):
    press(button(window, "Next"))


def accepted(app, right):
    """A right answer raises no box: none may come up within a second."""
    time.sleep(1)
    box = box_window(app)
    if box is not None:
        raise StepFailed(f'box after the right answer {right!r} (it says "{box_text(box)}")')
    log(f"   answered {right!r}: accepted")


def label_names(window):
    """What the window's labels say now."""
    return {safe(lambda: n.name) for _, n in walk(window) if safe(lambda: n.getRole()) == pyatspi.ROLE_LABEL}


def exercise_1(app, w, seconds):
    need("an item", wait_for("an item", lambda: text_of(find(w, "Noun", TEXT_ROLES)).strip(), seconds))
    box = need("the article box", find(w, "Article", TEXT_ROLES))
    type_into(box, WRONG)
    next_item(w)
    answer_box(app, "a wrong answer", seconds)
    right = solution(app, w, seconds).split()[0]
    type_into(box, right)
    next_item(w)
    accepted(app, right)


def exercise_2(app, w, seconds):
    # The tick of picture 1 shows its question in a label of its own, as a click on it does.
    before = label_names(w)
    press(need("the tick of picture 1", find(w, "Choose picture 1", (pyatspi.ROLE_CHECK_BOX,))))
    question = need("the question of picture 1", wait_for("the question of picture 1", lambda: next(
        iter(label_names(w) - before), None), seconds))
    log(f"   question {question!r}")
    box = need("the answer box", find(w, "Answer to question 1", TEXT_ROLES))
    type_into(box, WRONG.capitalize())
    next_item(w)
    answer_box(app, "a wrong answer", seconds)
    right = solution(app, w, seconds).split(" / ")[0]
    type_into(box, right)
    next_item(w)
    accepted(app, right)


def exercise_3_or_4(app, w, seconds):
    need("an item", wait_for("an item", lambda: text_of(find(w, "Sentence beginning", TEXT_ROLES)).strip(), seconds))
    box = need("the answer box", find(w, "Missing word", TEXT_ROLES))
    type_into(box, WRONG)
    next_item(w)
    answer_box(app, "a wrong answer", seconds)
    right = solution(app, w, seconds)
    type_into(box, right)
    next_item(w)
    accepted(app, right)


def exercise_5(app, w, seconds):
    box = need("the word box", find(w, "Your word", TEXT_ROLES))
    type_into(box, WRONG)
    press(button(w, "OK"))
    answer_box(app, "a wrong answer", seconds)
    # The reveal tick of picture 1 shows its word in a label of its own, as a click on it does.
    before = label_names(w)
    tick = need("the reveal tick of picture 1", find(w, "Reveal the word for picture 1", (pyatspi.ROLE_CHECK_BOX,)))
    press(tick)
    right = need("the word revealed", wait_for("the word revealed", lambda: next(iter(label_names(w) - before), None),
                                               seconds))
    if not safe(lambda: tick.getState().contains(pyatspi.STATE_CHECKED)):
        raise StepFailed("the reveal tick of picture 1 ticked")
    log(f"   revealed {right!r}")
    type_into(box, right)
    press(button(w, "OK"))
    need("the word under picture 1", wait_for("the word under picture 1", lambda: text_of(
        find(w, "Word for picture 1", TEXT_ROLES)) == right, seconds))
    accepted(app, right)


EXERCISES = [
    (1, "Article", "Start", "Close", exercise_1),
    (2, "Answer to question 1", "Start", "Close", exercise_2),
    (3, "Missing word", "Start", "Close", exercise_3_or_4),
    (4, "Missing word", "Start", "Close", exercise_3_or_4),
    (5, "Your word", "Start", "Close", exercise_5),
]


def menu_item(window, name):
    for _, node in walk(window):
        if safe(lambda: node.getRole()) == pyatspi.ROLE_MENU_ITEM and safe(lambda: node.name, "").replace("&", "") == name:
            return node
    return None


def run(app, seconds, args_on_top):
    menu = need("the menu", wait_for("the exercise menu", lambda: window_with(app, ["Exercise 1", "End"]), seconds))
    for number, box_name, start, close, answer in EXERCISES:
        log(f"== exercise {number}")
        press(button(menu, f"Exercise {number}"))
        window = need(f"the window of exercise {number}",
                      wait_for(f"the window of exercise {number}", lambda: window_with(app, [box_name, start]), seconds))
        log(f"   window {describe(window)}")
        if args_on_top is not None:
            on_top = need('the menu item "OnTop"', menu_item(window, "OnTop"))
            enabled = safe(lambda: on_top.getState().contains(pyatspi.STATE_ENABLED))
            log(f"   {describe(on_top)}")
            if enabled != args_on_top:
                raise StepFailed(f'OnTop item {"enabled" if args_on_top else "disabled"}')
        press(button(window, start))
        answer(app, window, seconds)
        press(button(window, close))
        menu = need("the menu again", wait_for("the menu again", lambda: window_with(app, ["Exercise 1", "End"]), seconds))

    log("== the Progress window")
    item = need('the menu item "Show my progress..."', menu_item(menu, "Show my progress..."))
    safe(lambda: item.queryAction().doAction(0))
    progress = need("the Progress window", wait_for("the Progress window",
                                                    lambda: window_with(app, ["Forget my progress...", "Close"]) or
                                                    window_with(app, ["Export as CSV...", "Close"]), seconds))
    log(f"   window {describe(progress)}")
    press(button(progress, "Close"))
    wait_for("the Progress window to close", lambda: window_with(app, ["Export as CSV..."]) is None, seconds)

    log("== End")
    press(button(menu, "End"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wait", type=float, default=20, help="seconds to wait for each step (default 20)")
    parser.add_argument("--limit", type=float, default=120, help="seconds for the whole run (default 120)")
    parser.add_argument("--on-top", choices=("enabled", "disabled"),
                        help="check that each exercise window's OnTop item is so")
    args = parser.parse_args()

    def too_long(*_):
        log(f"learner_atspi: gave up after {args.limit} s")
        sys.exit(2)

    signal.signal(signal.SIGALRM, too_long)
    signal.alarm(int(args.limit))
    Atspi.set_timeout(5000, 10000)

    app = wait_for("the application Tarvo on the accessibility bus", find_application, args.wait)
    if app is None:
        return 2
    try:
        run(app, args.wait, {"enabled": True, "disabled": False}.get(args.on_top))
    except StepFailed as failure:
        log(f"learner_atspi: FAILED: no {failure}")
        for window in windows(app):
            log(f"-- window {describe(window)}")
            print_tree(window)
        return 1
    log("learner_atspi: every step went through")
    return 0


if __name__ == "__main__":
    sys.exit(main())
