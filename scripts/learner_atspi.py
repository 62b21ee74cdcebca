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
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from a11y_tree import (TEXT_ROLES, StepFailed, arguments, describe, find, label_text, labels, log,  # noqa: E402
                       message_box, need, press, print_tree, pyatspi, reach_application, safe, showing, text_of,
                       type_into, wait_for, wait_for_item, walk, window_with, windows)

BUTTON = (pyatspi.ROLE_PUSH_BUTTON,)
SOLUTION_PREFIX = "The correct solution is: "
WRONG = "qqq"


def button(window, name):
    return need(f'the button "{name}"', find(window, name, BUTTON))


def answer_box(app, what, seconds):
    """Waits for a message box, returns its text and presses its OK button."""
    box = need(f"the message box ({what})", wait_for(f"a message box ({what})", lambda: message_box(app), seconds))
    text = label_text(box)
    log(f'   box: "{text}" -> OK')
    press(button(box, "OK"))
    wait_for(f"the box ({what}) to close", lambda: message_box(app) is None, seconds)
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
    box = message_box(app)
    if box is not None:
        raise StepFailed(f'box after the right answer {right!r} (it says "{label_text(box)}")')
    log(f"   answered {right!r}: accepted")


def label_names(window):
    """What the window's labels say now."""
    return {safe(lambda: n.name) for n in labels(window)}


def wrong_then_right(app, w, box, seconds, wrong, right_of):
    """Answers wrong (the box that says so is answered), reads the solution, answers right_of(it)."""
    type_into(box, wrong)
    next_item(w)
    answer_box(app, "a wrong answer", seconds)
    right = right_of(solution(app, w, seconds))
    type_into(box, right)
    next_item(w)
    accepted(app, right)


def exercise_1(app, w, seconds):
    wait_for_item(w, "Noun", seconds)
    box = need("the article box", find(w, "Article", TEXT_ROLES))
    wrong_then_right(app, w, box, seconds, WRONG, lambda text: text.split()[0])


def open_tick(w, name, seconds):
    """The tick box of that name, once it is on screen and can be ticked."""
    def probe():
        node = find(w, name, (pyatspi.ROLE_CHECK_BOX,))
        enabled = node is not None and safe(lambda: node.getState().contains(pyatspi.STATE_ENABLED))
        return node if enabled and showing(node) else None
    return need(f'the tick "{name}"', wait_for(f'the tick "{name}" to open', probe, seconds))


def exercise_2(app, w, seconds):
    # The tick of picture 1 shows its question in a label of its own, as a click on it does.
    before = label_names(w)
    press(open_tick(w, "Choose picture 1", seconds))
    question = need("the question of picture 1", wait_for("the question of picture 1", lambda: next(
        iter(label_names(w) - before), None), seconds))
    log(f"   question {question!r}")
    box = need("the answer box", find(w, "Answer to question 1", TEXT_ROLES))
    wrong_then_right(app, w, box, seconds, WRONG.capitalize(), lambda text: text.split(" / ")[0])


def exercise_3_or_4(app, w, seconds):
    wait_for_item(w, "Sentence beginning", seconds)
    box = need("the answer box", find(w, "Missing word", TEXT_ROLES))
    wrong_then_right(app, w, box, seconds, WRONG, lambda text: text)


def exercise_5(app, w, seconds):
    box = need("the word box", find(w, "Your word", TEXT_ROLES))
    type_into(box, WRONG)
    press(button(w, "OK"))
    answer_box(app, "a wrong answer", seconds)
    # The reveal tick of picture 1 shows its word in a label of its own, as a click on it does.
    before = label_names(w)
    tick = open_tick(w, "Reveal the word for picture 1", seconds)
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
        start_button = button(window, start)
        press(start_button)
        # A press through the accessibility interface clicks a moment later; the exercise has
        # started once its Start button is greyed out or gone.
        need(f"exercise {number} started", wait_for(f"exercise {number} to start", lambda: not (
            showing(start_button) and safe(lambda: start_button.getState().contains(pyatspi.STATE_ENABLED))),
            seconds))
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
    parser = arguments(__doc__, "step", 120)
    parser.add_argument("--on-top", choices=("enabled", "disabled"),
                        help="check that each exercise window's OnTop item is so")
    args = parser.parse_args()

    app = reach_application("learner_atspi", args.limit, args.wait)
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
