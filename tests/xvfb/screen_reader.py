"""Drives the running calculator with key presses only (xdotool) and reads
everything back as a screen reader does, over AT-SPI (pyatspi)."""

import os
import subprocess
import sys
import time

import pyatspi

TITLE = "Штучка от KELVANO"
HINT = "Подсказка"  # the description of the hint label


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait_for(what, probe, timeout=10.0):
    """The first true value of probe(), polled until the timeout."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = probe()
        except Exception:  # an object that went away while being read
            value = None
        if value:
            return value
        if time.monotonic() > end:
            fail(f"no {what} after {timeout} s")
        time.sleep(0.05)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def children(accessible):
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


def descendants(accessible):
    for child in children(accessible):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def the_window():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is not None and app.name == "ringcoil":
            for window in children(app):
                if window.name == TITLE:
                    return window
    return None


window = wait_for("window on the accessibility bus", the_window)


def named(prefix):
    """The showing descendant whose name starts with prefix."""
    for each in descendants(window):
        if each.name.startswith(prefix) and showing(each):
            return each
    return None


def hint():
    for each in children(window):
        if each.description == HINT:
            return each.name
    return None


def focused():
    for each in descendants(window):
        if each.getState().contains(pyatspi.STATE_FOCUSED):
            return each
    return None


def expect_hint(text):
    wait_for(f"hint «{text}» (it reads «{hint()}»)", lambda: hint() == text)
    print("hint:", text)


# The prompts for D, d and h, alike in both modes.
RING_PROMPTS = [
    "Набери на калькуляторе величину наружнего диаметра кольца и нажми кнопку 'Ввод'",
    "Набери на калькуляторе величину внутреннего диаметра кольца и нажми кнопку 'Ввод'",
    "Набери на калькуляторе величину высоты кольца и нажми кнопку 'Ввод'",
]


def enter_values(values, prompts):
    for value, prompt in zip(values, prompts):
        typed(value)
        keys("Return")
        expect_hint(prompt)


# The inductance from the number of turns: mu 2000, D 20, d 10, h 5, N 10.
keys("alt+l")
expect_hint("Набери на калькуляторе величину магнитной проницаемости кольца и нажми 'Ввод'")
wait_for("focus on «Ввод»", lambda: focused().name == "Ввод")
enter_values(
    ["2000", "20", "10", "5", "10"],
    RING_PROMPTS + ["Набери на калькуляторе количество витков и нажми кнопку 'Ввод'", "Получи ответ'"],
)
answer = wait_for("the inductance", lambda: named("Индуктивность: 133,333333333333 (ответ)"))
print("answer:", answer.name)
print("the focused button says:", focused().description)

# "#" twice from the keyboard: Tab to it, then Space for the display reset
# and Space again, now on the full reset in its place.
for _ in range(40):
    if focused().name == "Сброс":
        break
    keys("Tab")
    time.sleep(0.05)
else:
    fail("Tab never reached «#»")
keys("space")
wait_for("focus on the full reset", lambda: focused().name == "Полный сброс всех данных")
keys("space")
expect_hint("Начнём всё сначала ! Наведи мышку на искомый параметр")

# The number of turns from the inductance: mu 2000, D 20, d 10, h 5, L 100.
keys("alt+n")
expect_hint("Набери на калькуляторе величину магнитной проницаемости кольца и нажми кнопку ' Ввод'")
enter_values(
    ["2000", "20", "10", "5", "100"],
    RING_PROMPTS
    + ["Набери на калькуляторе величину индуктивности катушки и нажми кнопку 'Ввод'", "Получи ответ"],
)
answer = wait_for("the number of turns", lambda: named("Количество витков: 8,66025403784439 (ответ)"))
print("answer:", answer.name)

# The help: F1 opens it with the focus on page 1's button; Enter pages on to
# the author page, and there closes the help.
keys("F1")
page1 = wait_for("help page 1", lambda: named("Справка, страница 1"))
first_line = page1.description.split("\n")[0]
if not first_line.startswith("Ферритовые кольцевые сердечники приме"):
    fail(f"page 1 begins «{first_line[:60]}»")
print("page 1:", first_line[:60], "...")
wait_for("focus on «Далее»", lambda: focused().name == "Далее")
for page, button in [("Справка, страница 2", "Далее"), ("Справка, страница 3", "Закрыть")]:
    keys("Return")
    wait_for(page, lambda: named(page))
    wait_for(f"focus on «{button}»", lambda: focused().name == button and showing(focused()))
keys("Return")
author = wait_for("the author page", lambda: named("Об авторе"))
wait_for("focus on the author page", lambda: focused().name == "Об авторе")


def inside(point, box):
    return box.x <= point[0] < box.x + box.width and box.y <= point[1] < box.y + box.height


# Nothing under the author page is reported showing but the pages that hold it.
page = author.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
holders = {"Справка, страница 1"}
shown_under = []
for each in descendants(window):
    if each.name in holders or each.name == "Об авторе" or not showing(each):
        continue
    box = each.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if inside((box.x + box.width // 2, box.y + box.height // 2), page):
        shown_under.append(f"{each.getRoleName()} «{each.name}»")
if shown_under:
    fail("reported showing under the author page: " + ", ".join(shown_under))
print("under the author page nothing is reported showing")

keys("Return")
wait_for("the help to close", lambda: named("Справка, страница 1") is None and hint() is not None)
wait_for("the hint showing again", lambda: named(hint()))
print("help closed; focus on", focused().name)

# A tool's press returns at once, whatever it opens: «Ввод» pressed through
# its action where the calculation fails (D = d = 0) brings up the error box
# after the call has come back, and the box is still there to be read.
def full_reset():
    """Tab to the full reset and press it."""
    for _ in range(40):
        if focused().name == "Полный сброс всех данных":
            break
        keys("Tab")
        time.sleep(0.05)
    else:
        fail("Tab never reached the full reset")
    keys("space")
    expect_hint("Начнём всё сначала ! Наведи мышку на искомый параметр")


full_reset()
keys("alt+l")
wait_for("focus on «Ввод»", lambda: focused().name == "Ввод")
for value in ["2000", "0", "0", "5"]:
    typed(value)
    keys("Return")
typed("10")
expect_hint("Набери на калькуляторе количество витков и нажми кнопку 'Ввод'")
enter_button = focused()
action = enter_button.queryAction()
press = [action.getName(i) for i in range(action.nActions)].index("Press")
action.doAction(press)
print("the press returned")


def error_box():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is not None and app.name == "ringcoil":
            for each in children(app):
                if each.getRole() == pyatspi.ROLE_ALERT and showing(each):
                    return each
    return None


box = wait_for("the error box", error_box)
print("error box:", " ".join(each.name for each in descendants(box) if each.name))
keys("Return")
wait_for("the error box to close", lambda: error_box() is None)
print("error box closed")

# Each name that can be pressed, through its press action: after a full
# reset «Индуктивность» and «Количество витков» each choose their own mode,
# and the title opens the help.
def press_name(name):
    target = wait_for(f"«{name}»", lambda: next(
        (each for each in descendants(window) if each.name == name and showing(each)), None))
    action = target.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))


for name, prompt in [
    ("Индуктивность", "Набери на калькуляторе величину магнитной проницаемости кольца и нажми 'Ввод'"),
    ("Количество витков",
     "Набери на калькуляторе величину магнитной проницаемости кольца и нажми кнопку ' Ввод'"),
]:
    # With no window manager the closed box hands the focus back to nobody.
    subprocess.run(["xdotool", "windowfocus", "--sync", os.environ["RINGCOIL_WINDOW"]], check=True)
    wait_for("the focus in the window", focused)
    full_reset()
    press_name(name)
    expect_hint(prompt)
    print(f"pressed «{name}»")
press_name("Расчет катушки на кольцевом сердечнике")
wait_for("help page 1 from the title", lambda: named("Справка, страница 1"))
print("pressed the title: help page 1")
