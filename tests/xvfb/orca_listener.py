"""Uses the running calculator with keys only, as a blind user does, and
checks what Orca says at each step, read from Orca's debug log."""

import re
import subprocess
import sys
import time

LOG = sys.argv[1]
START = time.monotonic()
KEY_LIST = "Клавиши: Альт+N"
# The author page's sign-off is the author's own words, not the program's.
ENGLISH_ALLOWED = {"KELVANO", "Good", "like"}
# An utterance: SPEECH OUTPUT: 'text' and the voice, on one line or more.
# Orca's echo of keys and characters (off here) has a blank before the voice.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\{", re.DOTALL)


def show_transcript():
    print("--- what Orca said, an utterance a line:")
    for text in utterances():
        print(text)


def fail(message):
    print("FAIL:", message)
    show_transcript()
    sys.exit(1)


def utterances():
    with open(LOG, encoding="utf-8", errors="replace") as f:
        log = f.read().replace("\r", "")
    return [" ".join(text.split()) for text in UTTERANCE.findall(log)]


def transcript():
    """Everything said so far, as one line."""
    return " ".join(utterances())


mark = 0  # what has been heard so far ends here


def expect(text, timeout=20.0):
    """Waits until `text` is said after everything expected before it."""
    global mark
    end = time.monotonic() + timeout
    while True:
        heard = transcript()
        found = heard.find(text, mark)
        if found >= 0:
            mark = found + len(text)
            print(f"{time.monotonic() - START:6.1f} s heard: {text}")
            return
        if time.monotonic() > end:
            fail(f"Orca did not say «{text}» in {timeout} s; after the last expected it said "
                 f"«{heard[mark:][:400]}»")
        time.sleep(0.05)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def enter(value, *heard):
    for c in value:
        keys("comma" if c == "," else c)
    keys("Return")
    for text in heard:
        expect(text)


def tab_to(name):
    """Tabs on until the first thing Orca says after a Tab names `name`."""
    global mark
    for _ in range(40):
        said = len(utterances())
        keys("Tab")
        end = time.monotonic() + 10
        while len(utterances()) == said and time.monotonic() < end:
            time.sleep(0.05)
        new = utterances()[said:]
        if new and new[0].startswith(name + " "):
            mark = len(" ".join(utterances()[:said]))
            print("focus:", name)
            return
    fail(f"Tab never reached «{name}»")


# Start: the window and, once, the list of keys.
expect("Штучка от KELVANO")
expect(KEY_LIST)

# The inductance from the number of turns: mu 2000, D 20, d 10, h 5, N 10.
keys("alt+l")
expect("Расчёт индуктивности. Набери на калькуляторе величину магнитной проницаемости")
enter("2000", "Проницаемость: 2000.", "Набери на калькуляторе величину наружнего диаметра")
enter("20", "Наружный диаметр: 20 миллиметров.", "величину внутреннего диаметра")
enter("10", "Внутренний диаметр: 10 миллиметров.", "величину высоты кольца")
enter("5", "Высота кольца: 5 миллиметров.", "количество витков")
enter("10", "Количество витков: 10 витков.", "Индуктивность: 133,333 микрогенри, ответ.")
# «Ввод» again computes the turns back from the answer, and the answer is
# said again; Alt+N, which does nothing now, says how a new calculation starts.
keys("Return")
expect("Количество витков: 10 витков. Индуктивность: 133,333 микрогенри, ответ.")
keys("alt+n")
expect("Расчёт уже выбран. Новый расчёт начинается с кнопки Сброс")

# Ctrl+C copies the answer in full.
keys("ctrl+c")
expect("Ответ скопирован: 133,333")
clipboard = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                           text=True, check=True).stdout
if clipboard != "133,333333333333":
    fail(f"the clipboard holds «{clipboard}»")
print("clipboard:", clipboard)

# «#» twice: the display, then everything.
tab_to("Сброс")
keys("space")
expect("Дисплей очищен. Повторное нажатие на эту кнопку приведёт к полному сбросу всех данных.")
keys("space")
expect("Все данные сброшены. Начнём всё сначала")
expect("Выбери расчёт клавишами: Альт+N — количество витков, Альт+L — индуктивность.")

# The number of turns from the inductance: mu 2000, D 20, d 10, h 5, L 100;
# then «Ввод» on the answer computes it again.
keys("alt+n")
expect("Расчёт количества витков. Набери на калькуляторе величину магнитной проницаемости")
enter("2000", "Проницаемость: 2000.")
enter("20", "Наружный диаметр: 20 миллиметров.")
enter("10", "Внутренний диаметр: 10 миллиметров.")
enter("5", "Высота кольца: 5 миллиметров.", "величину индуктивности катушки")
enter("100", "Индуктивность: 100 микрогенри.", "Количество витков: 8,66025 витка, ответ.")
keys("Return")
expect("Количество витков: 8,66025 витка, ответ.")

# An error: the inductance of a ring with D = d = 0. The message is read;
# once it is closed, the prompt that is open, not the list of keys.
tab_to("Полный сброс всех данных")
keys("space")
expect("Все данные сброшены.")
keys("alt+l")
expect("Расчёт индуктивности.")
for value in ["2000", "0", "0", "5"]:
    enter(value, "Набери на калькуляторе")
enter("10", "переполнение")
time.sleep(0.5)
keys("Return")
expect("Набери на калькуляторе количество витков")

# The help: each page read as it opens; the author page closes it.
keys("F1")
expect("Ферритовые кольцевые сердечники применяют")
keys("Return")
expect("На низкочастотных диапазонах")
keys("Return")
expect("Граничные частоты")
keys("Return")
expect("Программа-калькулятор")
keys("Return")
expect("Справка закрыта.")

# The display, reached with Tab, is read once and whole (not «1,»): Tab
# selects its text, which is not read on its own before the display is.
for c in "1,5":
    keys("comma" if c == "," else c)
tab_to("Дисплей калькулятора")
expect("Дисплей калькулятора текст. 1,5 выделен.")
keys("End", "shift+Left")  # a selection the user makes is read as any line edit's
expect("5 выделен")

# Over the whole run: the list of keys once; no English from the program
# (the actions' key bindings were read as «return», «Space»).
heard = transcript()
if heard.count(KEY_LIST) != 1:
    fail(f"the list of keys was read {heard.count(KEY_LIST)} times")
english = sorted(set(re.findall(r"[A-Za-z]{2,}", heard)) - ENGLISH_ALLOWED)
if english:
    fail("English words in the speech: " + ", ".join(english))
# An answer is never read out digit by digit to its last place.
if "133,333333333333" in heard:
    fail("the long answer was read in full")
print("key list once, no English, answers rounded")
show_transcript()
