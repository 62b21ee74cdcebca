#!/usr/bin/python3
"""Looks at a running Tarvo from outside, the way a screen reader does: through AT-SPI.

Lists the accessible tree (role, name) of every window of the Tarvo application, finds the
menu's buttons by their accessible names, opens exercise 1 by the "Exercise 1" button's
action, and lists and checks the exercise window as well. Then it answers one item of
exercise 1 and one of exercise 3 rightly, as a screen reader user would (reading the item,
typing into the answer box, pressing Next), and reads each window's transcript back: a
screen reader must hear the sentence itself. Exits 0 when every control was found and both
transcripts read their sentence, 1 when one is missing, 2 when the program or the
accessibility bus cannot be reached.

Needs Debian's python3-pyatspi and a running session bus with the AT-SPI bus on it; it is
started by scripts/a11y-check.sh, which sets all of that up.

With --lessons it reads the Lessons window of `tarvo LIST` (a word list opened as a file manager
opens it): the choices for a list without a header, the box that tells the import, and the table
of lessons (--expect names the titles it must list).

With --review it reads the window of `tarvo --review` instead, over a record that REVIEW_ITEMS
were answered into 40 days ago (--seed FILE reads the empty review while the program makes its
record FILE; --seed FILE --insert then writes those answers into it): every item's counter,
source, instruction, prompt, picture and answer box, the right answer read back after a wrong
answer, the verdicts of right ones, the missed item asked again, and the summary; then it presses
Close.
"""
import argparse
import signal
import sys
import time

try:
    import pyatspi
    from gi.repository import Atspi
except ImportError as error:  # pragma: no cover - reported to the caller
    sys.exit(f"a11y_tree: cannot import pyatspi ({error}); install the Debian package python3-pyatspi")

APP_NAMES = ("Tarvo", "tarvo")
MENU_BUTTONS = ["Exercise 1", "Exercise 2", "Exercise 3", "Exercise 4", "Exercise 5", "End"]
EXERCISE1_BUTTONS = ["Start", "Close", "Solution", "Next"]
EXERCISE1_BOX = "Article"
TRANSCRIPT = "Transcript"  # the description of the transcript labels
VOWELS = "aáeéiíoóöőuúüű"
TEXT_ROLES = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT)
MAX_DEPTH = 12


def log(text=""):
    print(text, flush=True)


def safe(call, default=None):
    """One AT-SPI call; objects vanish while a window unloads, which is not an error here."""
    try:
        return call()
    except Exception:  # noqa: BLE001 - GLib.Error and friends from a vanished object
        return default


def children(acc):
    count = safe(lambda: acc.childCount, 0) or 0
    for i in range(count):
        child = safe(lambda: acc.getChildAtIndex(i))
        if child is not None:
            yield child


def showing(acc):
    states = safe(acc.getState)
    return bool(states) and states.contains(pyatspi.STATE_SHOWING)


def describe(acc):
    role = safe(acc.getRoleName, "?")
    name = safe(lambda: acc.name, "") or ""
    states = safe(acc.getState)
    marks = []
    if states is not None:
        if not states.contains(pyatspi.STATE_SHOWING):
            marks.append("hidden")
        if not states.contains(pyatspi.STATE_ENABLED):
            marks.append("disabled")
        if states.contains(pyatspi.STATE_FOCUSED):
            marks.append("focused")
    return f'{role} "{name}"' + (f" ({', '.join(marks)})" if marks else "")


def walk(acc, depth=0):
    """Yields (depth, accessible) for acc and everything under it."""
    yield depth, acc
    if depth < MAX_DEPTH:
        for child in children(acc):
            yield from walk(child, depth + 1)


def print_tree(acc):
    for depth, node in walk(acc):
        log("  " * depth + describe(node))


def find_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if safe(lambda: app.name) in APP_NAMES:
            return app
    return None


def windows(app):
    return list(children(app))


def find(root, name, roles):
    """The control of that name and role; one on screen before a hidden one of the same name."""
    hidden = None
    for _, node in walk(root):
        if safe(lambda: node.getRole()) in roles and safe(lambda: node.name) == name:
            if showing(node):
                return node
            hidden = hidden or node
    return hidden


def wait_for(what, probe, seconds, every=0.25):
    """Polls probe() every `every` seconds until it returns something true, at most `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            log(f"a11y_tree: timed out after {seconds} s waiting for {what}")
            return None
        time.sleep(every)


def window_with(app, names):
    """The first window of app holding controls with all the given names."""
    for window in windows(app):
        found = {safe(lambda: node.name) for _, node in walk(window)}
        if all(name in found for name in names):
            return window
    return None


class StepFailed(Exception):
    """A step of a learner's walk through the program that did not go through; says what is missing."""


def need(what, node):
    """node, or the step fails for want of `what`."""
    if not node:
        raise StepFailed(what)
    return node


def labels(window):
    """The window's labels, in the order of the tree."""
    return [node for _, node in walk(window) if safe(lambda: node.getRole()) == pyatspi.ROLE_LABEL]


def label_text(window):
    """Everything the window's labels say, one text."""
    return " ".join(safe(lambda: n.name, "") or "" for n in labels(window))


def message_box(app, button_name="OK"):
    """An open message box of the program: a window with an OK button and nothing to type into."""
    for window in windows(app):
        nodes = [node for _, node in walk(window)]
        if any(safe(lambda: n.name) == button_name and safe(lambda: n.getRole()) == pyatspi.ROLE_PUSH_BUTTON
               for n in nodes) and not any(safe(lambda: n.getRole()) in TEXT_ROLES for n in nodes):
            return window
    return None


def wait_for_item(window, field, seconds):
    """Waits until the item's text box named `field` shows its item (after Start)."""
    need("an item", wait_for("an item", lambda: text_of(find(window, field, TEXT_ROLES)).strip(), seconds))


def arguments(doc, wait_for_each, limit):
    """The parser of the options every look from outside takes: --wait and --limit."""
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--wait", type=float, default=20,
                        help=f"seconds to wait for each {wait_for_each} (default 20)")
    parser.add_argument("--limit", type=float, default=limit,
                        help=f"seconds for the whole run (default {limit:g})")
    return parser


def reach_application(name, limit, wait):
    """A hard stop for the whole run, a bound on every single AT-SPI call (milliseconds), then the
    application once it is on the accessibility bus (None when it does not come within `wait`)."""
    def too_long(*_):
        log(f"{name}: gave up after {limit} s")
        sys.exit(2)

    signal.signal(signal.SIGALRM, too_long)
    signal.alarm(int(limit))
    Atspi.set_timeout(5000, 10000)
    return wait_for("the application Tarvo on the accessibility bus", find_application, wait)


def check(window, buttons, boxes=()):
    """Looks every control up by role and name; a control that is not on screen does not count.
    Returns the names not found."""
    missing = []
    wanted = [(name, (pyatspi.ROLE_PUSH_BUTTON,)) for name in buttons] + [(name, TEXT_ROLES) for name in boxes]
    for name, roles in wanted:
        node = find(window, name, roles)
        if node is None:
            verdict = "MISSING"
        elif not showing(node):
            verdict = "HIDDEN "
        else:
            verdict = "found  "
        log(f"  {verdict} {describe(node) if node else name}")
        if verdict != "found  ":
            missing.append(name)
    return missing


def press(button):
    """Runs the button's press action, as a screen reader user would activate it."""
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("press", "click", "activate"):
        for i, name in enumerate(names):
            if name.lower() == wanted:
                return action.doAction(i)
    if names:
        return action.doAction(0)
    raise RuntimeError("the button offers no action")


def text_of(acc):
    """The text a screen reader reads from a text box."""
    text = safe(acc.queryText)
    return safe(lambda: text.getText(0, -1), "") if text is not None else ""


def type_into(box, content):
    """Puts text into a text box through its editable-text interface."""
    box.queryEditableText().setTextContents(content)


def transcript(window):
    """The transcript label of an exercise window: the label described as the transcript."""
    for _, node in walk(window):
        if safe(lambda: node.getRole()) == pyatspi.ROLE_LABEL and safe(lambda: node.description) == TRANSCRIPT:
            return node
    return None


def answer_and_read(window, title, box_name, answer_for):
    """Presses Start, answers the item on screen with answer_for(window) in the box named box_name,
    presses Next and returns what a screen reader reads from the transcript (None if nothing)."""
    press(find(window, "Start", (pyatspi.ROLE_PUSH_BUTTON,)))
    answer = wait_for(f"an item of {title}", lambda: answer_for(window), 10)
    if answer is None:
        return None
    answer = answer[0]
    log(f"== {title}: answering {answer!r}")
    type_into(find(window, box_name, TEXT_ROLES), answer)
    press(find(window, "Next", (pyatspi.ROLE_PUSH_BUTTON,)))
    label = transcript(window)
    if label is None:
        log(f"a11y_tree: {title} has no label described as \"{TRANSCRIPT}\"")
        return None
    read = wait_for(f"the transcript of {title}", lambda: safe(lambda: label.name, ""), 10)
    log(f'== {title}: the screen reader reads the transcript ({describe(label)}): "{read}"')
    return read


def article_item(window):
    """Exercise 1: the noun on screen and its article ("az" before a vowel); None before Start."""
    noun = text_of(find(window, "Noun", TEXT_ROLES)).strip()
    if not noun:
        return None
    return ("az" if noun[0].lower() in VOWELS else "a",)


def verb_item(window):
    """Exercise 3: the form of "to be" the sentence on screen needs (I: vagyok, you: vagy,
    he, she, it: none); None before Start."""
    stem = text_of(find(window, "Sentence beginning", TEXT_ROLES)).strip()
    if not stem:
        return None
    subject = stem.split()[0]
    return ({"Én": "vagyok", "Te": "vagy"}.get(subject, ""),)


# The record the review is checked with: answers of 40 days ago, each right at the first try, so
# that all are due now. Each entry: exercise, item, the right answer as the exercise records it,
# what a learner types to answer it rightly, a wrong answer, and whether the item has a picture.
# The review presents them in an order of its own; the first one shown is answered wrong.
REVIEW_ITEMS = [
    (2, "Ez autó?", "Igen, ez autó.", "Igen, ez autó.", "Nem, ez nem autó.", True),
    (1, "orvos", "az orvos", "az", "a", False),
    (5, "ház", "ház", "ház", "kert", True),
]
REVIEW_CAPTION = "Tarvo - Review"
REVIEW_BUTTONS = ["Check", "Next", "End review", "Close"]
REVIEW_BOX = "Your answer"
# The labels of the review window, by their accessible descriptions.
COUNTER, SOURCE, INSTRUCTION, PROMPT, VERDICT, SUMMARY = (
    "Item number", "Where the item comes from", "Instruction", "Item", "Result", "Summary")
PICTURE = "Picture"
NO_PROMPT = "Name what the picture shows"  # the picture's description when the item has no prompt


def review_window(app, wait):
    return wait_for("the review window",
                    lambda: next((w for w in windows(app) if safe(lambda: w.name) == REVIEW_CAPTION), None), wait)


def seed_record(path, args):
    """The first start of `tarvo --review`, over no record: reads the window's summary (nothing is
    due), by which time the program has made its record at path and is idle; then checks the
    record's last table is there. The old answers go in once the program has ended."""
    import sqlite3

    def ready():
        try:
            with sqlite3.connect(f"file:{path}?mode=ro", uri=True, timeout=1) as db:
                names = {row[0] for row in db.execute("SELECT name FROM sqlite_master")}
            return "schedule_replayed" in names
        except sqlite3.Error:
            return False
    app = reach_application("a11y_tree", args.limit, args.wait)
    window = review_window(app, args.wait) if app else None
    if window is None:
        return 2
    log(f"== the review {describe(window)} over an empty record")
    try:
        read_label(window, SUMMARY, lambda text: text.startswith("Nothing is due now."), args.wait)
    except StepFailed as failed:
        log(f"a11y_tree: the empty review stopped at: {failed}")
        return 1
    return 0 if wait_for(f"the record at {path}", ready, args.wait) else 2


def insert_answers(path):
    import datetime
    import sqlite3
    then = datetime.datetime.now(datetime.timezone.utc) - datetime.timedelta(days=40)
    with sqlite3.connect(path, timeout=5) as db:
        for i, (exercise, item, expected, *_) in enumerate(REVIEW_ITEMS):
            time_text = (then + datetime.timedelta(seconds=10 * i)).strftime("%Y-%m-%dT%H:%M:%S.000Z")
            db.execute("INSERT INTO answers(time, exercise, plus, item, answer, is_right, first_try, expected, "
                       "lesson, section) VALUES (?, ?, 0, ?, ?, 1, 1, ?, '1', ?)",
                       (time_text, exercise, item, expected, expected, str(exercise)))
    log(f"a11y_tree: {len(REVIEW_ITEMS)} answers of 40 days ago written to {path}")


def label_described(window, description):
    """The label of the window with the given accessible description."""
    for node in labels(window):
        if safe(lambda: node.description) == description:
            return node
    return None


def read_label(window, description, wanted=None, seconds=5, every=0.25):
    """What a screen reader reads from the label described so; fails the step when the label is
    missing, hidden or silent, or says something else than `wanted` (a text, or a test)."""
    def probe():
        node = label_described(window, description)
        text = safe(lambda: node.name, "") if node is not None and showing(node) else ""
        if not text:
            return None
        if wanted is None or (wanted(text) if callable(wanted) else text == wanted):
            return node, text
        return None
    found = wait_for(f'the label "{description}"' + ("" if wanted is None or callable(wanted) else f' reading "{wanted}"'),
                     probe, seconds, every)
    if not found:
        node = label_described(window, description)
        raise StepFailed(f'{description}: {describe(node) if node else "no label"}')
    node, text = found
    log(f'  reads  {safe(node.getRoleName, "?")} "{text}" ({description})')
    return text


def read_picture(window, description):
    """The picture of the item: on screen, named "Picture" and described by `description`."""
    node = need("the picture", next((n for _, n in walk(window) if safe(lambda: n.name) == PICTURE), None))
    said = safe(lambda: node.description, "")
    if not showing(node) or said != description:
        raise StepFailed(f'the picture ({describe(node)}, described "{said}", not "{description}")')
    log(f'  reads  {describe(node)}, described "{said}"')


def read_review_item(window, position, count, again=False):
    """Reads the item on screen as a screen reader does: counter, source, instruction, prompt,
    picture and answer box. Returns the entry of REVIEW_ITEMS it is."""
    read_label(window, COUNTER, f"{position} of {count}" + (", again" if again else ""), 10)
    source = read_label(window, SOURCE, lambda text: text.startswith("From exercise "))
    item = next((entry for entry in REVIEW_ITEMS if source == f"From exercise {entry[0]}"), None)
    if item is None:
        raise StepFailed(f'an item of the record ("{source}")')
    exercise, key, _, _, _, picture = item
    if exercise != 5:
        read_label(window, INSTRUCTION)
        read_label(window, PROMPT, key)
    if picture:
        read_picture(window, key if exercise != 5 else NO_PROMPT)
    box = need(f'the box "{REVIEW_BOX}"', find(window, REVIEW_BOX, TEXT_ROLES))
    log(f"  reads  {describe(box)}")
    return item


def answer_review(window, answer):
    """Types the answer into the answer box and presses Check through its accessible action."""
    log(f"  answering {answer!r}, pressing \"Check\"")
    type_into(need("the answer box", find(window, REVIEW_BOX, TEXT_ROLES)), answer)
    press(need('the button "Check"', find(window, "Check", (pyatspi.ROLE_PUSH_BUTTON,))))


def review(args):
    """The review window opened by `tarvo --review` over the record REVIEW_ITEMS made: reads each
    item and the window's controls, answers the first item wrong and reads the right answer back,
    the second right, the third (a picture alone) right, the first again (it comes back until it is
    answered right), reads the summary and closes the window."""
    app = reach_application("a11y_tree", args.limit, args.wait)
    if app is None:
        return 2
    window = review_window(app, args.wait)
    if window is None:
        return 2
    wait_for("the first item", lambda: safe(lambda: label_described(window, COUNTER).name), args.wait)
    log(f"-- window {describe(window)}")
    print_tree(window)
    log()
    log(f"== the review {describe(window)}")
    missing = check(window, REVIEW_BUTTONS, [REVIEW_BOX])
    count = len(REVIEW_ITEMS)
    try:
        for position in range(1, count + 1):
            log(f"== review item {position} of {count}")
            exercise, key, expected, right, wrong, picture = read_review_item(window, position, count)
            if position == 1:
                log(f"== item {key!r} of exercise {exercise}, answered wrong")
                answer_review(window, wrong)
                read_label(window, VERDICT, f"Not quite. The right answer is: {expected}")
                if picture:
                    read_picture(window, expected)
                press(need('the button "Next"', find(window, "Next", (pyatspi.ROLE_PUSH_BUTTON,))))
            else:
                log(f"== item {key!r} of exercise {exercise}, answered right")
                answer_review(window, right)
                read_label(window, VERDICT, f"Right! {expected}")
                press(need('the button "Next"', find(window, "Next", (pyatspi.ROLE_PUSH_BUTTON,))))
        # The item missed comes back last, said to be asked again, until it is answered right.
        log(f"== review item 1 of {count}, again")
        exercise, key, expected, right, wrong, picture = read_review_item(window, 1, count, again=True)
        answer_review(window, right)
        read_label(window, VERDICT, f"Right! {expected}")
        press(need('the button "Next"', find(window, "Next", (pyatspi.ROLE_PUSH_BUTTON,))))
        read_label(window, SUMMARY, lambda text: text.startswith(f"Review done: {count} reviewed, {count - 1} right."), 10)
        log('== pressing "Close" through its accessible action')
        press(need('the button "Close"', find(window, "Close", (pyatspi.ROLE_PUSH_BUTTON,))))
    except StepFailed as failed:
        log(f"a11y_tree: the review stopped at: {failed}")
        missing.append(str(failed))
    log()
    if missing:
        log("a11y_tree: FAILED, not found: " + ", ".join(f'"{name}"' for name in missing))
        return 1
    log("a11y_tree: the review read through")
    return 0


# The Lessons window of `tarvo LIST`, as a file manager opens a word list: first the choices for
# a list without a header, then the list of lessons.
LESSONS_BUTTONS = ["Import...", "Practise", "Remove...", "Close"]
CHOICES_BUTTONS = ["Import", "Cancel"]
CHOICES_COMBOS = ["Hungarian words:", "Ask by:"]  # the labels of the two boxes
NOUNS = "These are nouns"
PREVIEW = "The first words as they would be imported"
NEW_PER_DAY = "New items a day"
PRACTICE_CAPTION = "Tarvo - Practice"
PRACTICE_BUTTONS = ["Check", "Next", "End practice", "Close"]
TASK = "What to type"  # the description of the line that says what to type


def lessons_window(app, wait):
    return wait_for("the Lessons window",
                    lambda: next((w for w in windows(app) if safe(lambda: w.name) == "Tarvo - Lessons"), None), wait)


def labelled(window, label, role):
    """The control of that role that the label names (on Linux, Qt names a combo box by the
    choice it shows, and its label by a relation, which is what a screen reader reads)."""
    for _, node in walk(window):
        if safe(lambda: node.getRole()) != role:
            continue
        for relation in safe(node.getRelationSet, []) or []:
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and any(
                    safe(lambda: relation.getTarget(i).name) == label for i in range(relation.getNTargets())):
                return node
    return None


def table_cells(window):
    """The texts of the cells of the window's table of lessons, as a screen reader reads them."""
    table = need('the table "Lessons"', find(window, "Lessons", (pyatspi.ROLE_TABLE,)))
    return [safe(lambda: n.name, "") for _, n in walk(table) if safe(lambda: n.getRole()) == pyatspi.ROLE_TABLE_CELL]


def practise_list(app, window, args):
    """Presses Practise on the list just imported (selected in the table) and reads its first item
    in the practice window as a screen reader does: it is new, and asks the Hungarian for "dog".
    Answers it wrong, reads the right answer, ends the practice, reads the summary and closes."""
    log('== pressing "Practise" through its accessible action')
    press(need('the button "Practise"', find(window, "Practise", (pyatspi.ROLE_PUSH_BUTTON,))))
    practice = need("the practice window", wait_for("the practice window", lambda: next(
        (w for w in windows(app) if safe(lambda: w.name) == PRACTICE_CAPTION), None), args.wait))
    log(f"== a practice item {describe(practice)}")
    missing = check(practice, PRACTICE_BUTTONS, [REVIEW_BOX])
    if missing:
        raise StepFailed(", ".join(missing))
    read_label(practice, COUNTER, lambda text: text.startswith("1 of "), 10)
    read_label(practice, SOURCE, f"From \u201c{args.expect[-1]}\u201d, new")
    read_label(practice, TASK, "Type the Hungarian word.")
    read_label(practice, PROMPT, "dog")
    answer_review(practice, "kutyaa")
    read_label(practice, VERDICT, "Not quite. The right answer is: kutya")
    log('== pressing "End practice" through its accessible action')
    press(need('the button "End practice"', find(practice, "End practice", (pyatspi.ROLE_PUSH_BUTTON,))))
    read_label(practice, SUMMARY, lambda text: text.startswith("1 of ") and " practised. 0 right." in text, 10)
    press(need('the button "Close"', find(practice, "Close", (pyatspi.ROLE_PUSH_BUTTON,))))
    wait_for("the practice window to close", lambda: not any(
        safe(lambda: w.name) == PRACTICE_CAPTION for w in windows(app)), args.wait)


def lessons(args):
    """The Lessons window opened by `tarvo LIST` (a list without a header, in a record where
    EXPECT[0] was imported before): reads the choices (the two columns, the nouns tick box, the
    first words), ticks the box and presses Import through their accessible actions, reads the
    box that tells what came of it and presses OK, finds every title of EXPECT in the table of
    lessons with its number of words, and presses Close."""
    app = reach_application("a11y_tree", args.limit, args.wait)
    if app is None:
        return 2
    window = lessons_window(app, args.wait)
    if window is None:
        return 2
    wait_for("the choices", lambda: find(window, NOUNS, (pyatspi.ROLE_CHECK_BOX,)), args.wait)
    log(f"-- window {describe(window)}")
    print_tree(window)
    log()
    log(f"== the choices for a list without a header {describe(window)}")
    missing = check(window, CHOICES_BUTTONS)
    try:
        for label in CHOICES_COMBOS:
            combo = need(f'the box labelled "{label}"', labelled(window, label, pyatspi.ROLE_COMBO_BOX))
            log(f'  reads  {describe(combo)}, labelled "{label}"')
        read_label(window, PREVIEW, lambda text: text.startswith("First words: "))
        tick = need(f'the tick box "{NOUNS}"', find(window, NOUNS, (pyatspi.ROLE_CHECK_BOX,)))
        log(f'== ticking "{NOUNS}" and pressing "Import" through their accessible actions')
        press(tick)
        need("the tick", wait_for("the tick", lambda: safe(tick.getState).contains(pyatspi.STATE_CHECKED), 5))
        press(need('the button "Import"', find(window, "Import", (pyatspi.ROLE_PUSH_BUTTON,))))
        box = need("the box telling the import", wait_for("the box", lambda: message_box(app), args.wait))
        told = label_text(box)
        log(f'  reads  the box: "{told}"')
        if f"into \u201c{args.expect[-1]}\u201d" not in told:
            raise StepFailed(f'the box saying the words were imported into "{args.expect[-1]}"')
        press(need('the button "OK"', find(box, "OK", (pyatspi.ROLE_PUSH_BUTTON,))))
        log(f"== the lessons {describe(window)}")
        missing += check(window, LESSONS_BUTTONS)
        cells = need("the imported lessons in the table",
                     wait_for("the imported lessons", lambda: all(t in table_cells(window) for t in args.expect)
                              and table_cells(window), args.wait))
        log(f"  reads  the table: {cells}")
        for title in args.expect:
            words = cells[cells.index(title) + 1]
            if not words.isdigit():
                raise StepFailed(f'the number of words of "{title}" (read "{words}")')
        spin = need(f'the box "{NEW_PER_DAY}"', find(window, NEW_PER_DAY, (pyatspi.ROLE_SPIN_BUTTON,)))
        log(f"  reads  {describe(spin)}")
        practise_list(app, window, args)
        log('== pressing "Close" through its accessible action')
        press(need('the button "Close"', find(window, "Close", (pyatspi.ROLE_PUSH_BUTTON,))))
    except StepFailed as failed:
        log(f"a11y_tree: the Lessons window stopped at: {failed}")
        missing.append(str(failed))
    log()
    if missing:
        log("a11y_tree: FAILED, not found: " + ", ".join(f'"{name}"' for name in missing))
        return 1
    log("a11y_tree: the Lessons window read through")
    return 0


def main():
    parser = arguments(__doc__, "window", 90)
    parser.add_argument("--seed", metavar="FILE",
                        help="wait for the program to make its record FILE, then return (with --insert: add the old answers)")
    parser.add_argument("--insert", action="store_true", help="with --seed: add the answers of 40 days ago")
    parser.add_argument("--review", action="store_true", help="read the review window of `tarvo --review`")
    parser.add_argument("--lessons", action="store_true", help="read the Lessons window of `tarvo LIST`")
    parser.add_argument("--expect", nargs="*", default=[],
                        help="with --lessons: the titles the table lists, the one being imported last")
    args = parser.parse_args()
    if args.seed:
        if args.insert:
            insert_answers(args.seed)
            return 0
        return seed_record(args.seed, args)
    if args.review:
        return review(args)
    if args.lessons:
        return lessons(args)
    app = reach_application("a11y_tree", args.limit, args.wait)
    if app is None:
        return 2
    menu = wait_for("the exercise menu", lambda: window_with(app, MENU_BUTTONS[:1]), args.wait)
    if menu is None:
        return 2

    log(f"== application {describe(app)}: {len(windows(app))} windows")
    for window in windows(app):
        log(f"-- window {describe(window)}")
        print_tree(window)
        log()

    log(f"== the menu {describe(menu)}")
    missing = check(menu, MENU_BUTTONS)
    log()

    exercise1 = find(menu, "Exercise 1", (pyatspi.ROLE_PUSH_BUTTON,))
    if exercise1 is None:
        log("a11y_tree: no button named \"Exercise 1\" to open exercise 1 with")
        return 1
    log("== pressing \"Exercise 1\" through its accessible action")
    press(exercise1)

    window = wait_for("the window of exercise 1", lambda: window_with(app, EXERCISE1_BUTTONS[-1:] + [EXERCISE1_BOX]),
                      args.wait)
    if window is None:
        log("a11y_tree: the windows of the application now:")
        for other in windows(app):
            log(f"-- window {describe(other)}")
            print_tree(other)
        return 1
    log(f"-- window {describe(window)}")
    print_tree(window)
    log()
    log(f"== exercise 1 {describe(window)}")
    missing += check(window, EXERCISE1_BUTTONS, [EXERCISE1_BOX])
    log()

    read = answer_and_read(window, "exercise 1", EXERCISE1_BOX, article_item)
    if not read:
        missing.append("the transcript of exercise 1")
    log()

    log("== pressing \"Go to exercise 3\" through its accessible action")
    press(find(window, "Go to exercise 3", (pyatspi.ROLE_PUSH_BUTTON,)))
    window3 = wait_for("the window of exercise 3", lambda: window_with(app, ["Missing word"]), args.wait)
    if window3 is None:
        missing.append("the window of exercise 3")
    else:
        read = answer_and_read(window3, "exercise 3", "Missing word", verb_item)
        if not read:
            missing.append("the transcript of exercise 3")
    log()

    if missing:
        log("a11y_tree: FAILED, not found: " + ", ".join(f'"{name}"' for name in missing))
        return 1
    log("a11y_tree: all controls found")
    return 0


if __name__ == "__main__":
    sys.exit(main())
