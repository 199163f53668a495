"""The web page in headless Chromium, opened from disk: a task in the address and a task typed
into the fields give the console's report, a comma gets the console's complaint and no report,
and the picture holds the program's colours and follows a drag and F. A new task for practice is
the console's task of its seed; a right answer and a wrong one get their verdicts. The page
speaks the browser's language at first, Serbian in Latin letters here, and each of its three
when chosen, as the console does in the same locale, keeping it in the address.

    /usr/bin/python3 page_test.py build/web/trikros.html build/release

Skipped (status 77) without the page."""
import io
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile

from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

page, native = pathlib.Path(sys.argv[1]).resolve(), sys.argv[2]
if not page.exists():
    print(f"{page} is missing: build it with cmake --preset web && cmake --build --preset web")
    sys.exit(77)
FIELDS = [corner + axis for corner in ("a1", "b1", "c1", "a2", "b2", "c2") for axis in "xyz"]
failures = []


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}\n  page:    {got!r}\n  console: {expected!r}")


LOCALES = {"sr-Latn": "sr_RS.UTF-8@latin", "sr-Cyrl": "sr_RS.UTF-8", "en": "en_US.UTF-8", "": "C"}


def console(words, *arguments, language="sr-Latn"):
    """What trikros prints for the words, prompts dropped, and its complaint."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    env["LANG"] = LOCALES[language]
    run = subprocess.run([f"{native}/trikros", *arguments], input=" ".join(words) + "\n", env=env,
                         capture_output=True, text=True)
    return run.stdout.split("c2.z = ")[-1], run.stderr


profile = tempfile.TemporaryDirectory()  # the browser's own, removed at the end
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                 "--no-first-run", "--user-data-dir=" + profile.name, "--window-size=1280,900"):
    options.add_argument(argument)
options.add_experimental_option("prefs", {"intl.accept_languages": "sr-Latn,en"})
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
text = lambda id: browser.execute_script(f"return document.getElementById('{id}').textContent")
canvas = lambda: browser.find_element(By.ID, "platno").screenshot_as_png
try:
    # 1. A task in the address, with fractions, is answered at once.
    task = "0,0,0,4,0,0,0,4,0,1/3,1/3,-1,1/3,1/3,1,3,3,0".split(",")
    browser.get(page.as_uri() + "#" + ",".join(task))
    # The computation compiles after the page has loaded; the page says when it is ready.
    WebDriverWait(browser, 30).until(
        lambda b: b.execute_script("return document.body.classList.contains('spremno')"))
    check("the report of a task in the address", text("izvestaj"), console(task)[0])
    # Every field is named for a screen reader by its coordinate; the picture by its answer.
    check("the fields' accessible names",
          [browser.find_element(By.ID, f).accessible_name for f in FIELDS],
          [f"{f[:2]}, {f[2]}" for f in FIELDS])
    check("the picture's accessible name", browser.find_element(By.ID, "platno").accessible_name,
          "Slika zadatka: ose, prvi trougao plavom i drugi ljubičastom bojom, a crvenom njihov "
          "presek, duž MN.")

    # The address as a task file: blanks, or commas with a trailing one; the list shows case 2.
    case02 = "4 5 0 4 1 0 1 5 0 4 3 0 4 6 3 2 3 5".split()
    for address in (" ".join(case02), ",".join(case02) + ","):
        browser.execute_script("location.hash = arguments[0]", address)
        check(f"the report of #{address}", text("izvestaj"), console(case02)[0])
        check(f"the address and the list after #{address}", browser.execute_script(
            "return [location.hash, document.getElementById('primeri').value]"),
            ["#" + ",".join(case02) + "&jezik=sr-Latn", "2"])

    # 2. Typed into the fields, with Enter in the last one; the address follows.
    typed = "1 1 0 4 1 0 4 4 0 5 3 0 3 0 0 2 3 0".split()
    for field, word in zip(FIELDS, typed):
        browser.find_element(By.ID, field).clear()
        browser.find_element(By.ID, field).send_keys(word)
    browser.find_element(By.ID, "c2z").send_keys(Keys.ENTER)
    check("the report of a typed task", text("izvestaj"), console(typed)[0])
    # Under it, the exact answer as a student writes it: the corners in order around.
    check("the exact answer of a typed task", browser.execute_script(
        "return [...document.querySelectorAll('#tacno-resenje p, #tacno-resenje li')]"
        ".map(e => e.textContent)"),
        ["Rešenje: šestougao", "M = (11/3, 1, 0) \u2248 (3.666667, 1, 0)",
         "R = (4, 3/2, 0) = (4, 1.5, 0)", "S = (4, 3, 0)", "P = (3, 3, 0)",
         "Q = (9/4, 9/4, 0) = (2.25, 2.25, 0)", "N = (8/3, 1, 0) \u2248 (2.666667, 1, 0)"])
    check("the address after Izracunaj", browser.execute_script("return location.hash"),
          "#" + ",".join(typed) + "&jezik=sr-Latn")

    # 3. The picture: the first triangle blue, the second magenta, the hexagon red, the axes
    #    black.
    first = canvas()
    pixels = set(Image.open(io.BytesIO(first)).convert("RGB").getdata())
    for name, colour in (("red", (255, 0, 0)), ("blue", (0, 0, 255)), ("magenta", (204, 0, 204)),
                         ("black", (0, 0, 0))):
        near = any(sum(abs(p - c) for p, c in zip(pixel, colour)) < 40 for pixel in pixels)
        check(f"{name} pixels on the canvas", near, True)

    # 4. A left drag turns the picture in space (it does not pan it); F brings back the first
    #    view. Sacuvaj sliku draws the view at 1600 x 1200 on white, without the hint.
    picture = browser.find_element(By.ID, "platno")
    draw = lambda name: browser.execute_script(f"return Module.ccall('{name}', 'string', [], [])")
    browser.execute_script("Module.ccall('trikros_pan', null, ['number', 'number'], [120, 60])")
    panned = draw("trikros_draw")
    picture.send_keys("f")
    ActionChains(browser).move_to_element(picture).click_and_hold().move_by_offset(120, 60) \
        .release().perform()
    check("the canvas changed by a drag", canvas() != first, True)
    check("a left drag does not pan", draw("trikros_draw") != panned, True)
    picture.send_keys("f")
    check("the canvas after F is the first view", canvas() == first, True)
    saved = json.loads(draw("trikros_draw_file"))
    check("the saved picture's size and paper", [saved["width"], saved["height"],
                                                  saved["background"]], [1600, 1200, "rgb(255,255,255)"])
    check("no hint on the saved picture",
          [m[7] for m in saved["marks"] if m[0] == "label" and "pomoc" in m[7]], [])

    # 5. A decimal comma: the console's complaint beside the field, and no report.
    typed[1] = "3,5"
    browser.find_element(By.ID, "a1y").clear()
    browser.find_element(By.ID, "a1y").send_keys(typed[1])
    browser.find_element(By.ID, "izracunaj").click()
    complaint = console(typed)[1].split(";")[0]  # the console goes on: "; zadatak nije resen."
    check("the complaint for 3,5", text("prvi").count(complaint), 1)
    check("the report after a refused field", text("izvestaj"), "")
    check("the address after a refused field", browser.execute_script("return location.href"),
          page.as_uri() + "#jezik=sr-Latn")
    check("the picture's name after a refused field", picture.accessible_name,
          "Slike nema: neki broj zadatka nije prihvaćen (greška je navedena kod polja).")

    # 6. Outside the picture the keys are the page's: Down scrolls, a letter leaves it alone.
    browser.set_window_size(800, 600)
    browser.find_element(By.ID, "a1y").clear()
    browser.find_element(By.ID, "a1y").send_keys("1", Keys.ENTER)
    pixels = lambda: browser.execute_script("return document.getElementById('platno').toDataURL()")
    before = pixels()
    browser.execute_script("window.scrollTo(0, 0)")
    browser.find_element(By.TAG_NAME, "h1").click()
    ActionChains(browser).send_keys(Keys.ARROW_DOWN, "t").perform()
    try:  # a smooth scroll takes a moment
        scrolled = WebDriverWait(browser, 5).until(lambda b: b.execute_script("return scrollY > 0"))
    except TimeoutException:
        scrolled = False
    check("the page scrolled by Down outside the picture", scrolled, True)
    check("the picture after Down and T outside it", pixels() == before, True)

    # 7. Novi zadatak: the console's task of the seed shown, the report put away; the exact
    #    corners of --objasni are right in any order, a corner moved is wrong.
    Select(browser.find_element(By.ID, "vrsta-zadatka")).select_by_value("duz-u-prostoru")
    browser.find_element(By.ID, "novi-zadatak").click()
    seed = re.search(r"seme (\d+)", text("o-zadatku")).group(1)
    made = subprocess.run([f"{native}/trikros", "--zadatak", "duz-u-prostoru", "--seme", seed],
                          capture_output=True, text=True).stdout
    numbers = [w for line in made.splitlines() for w in line.split("#")[0].split()]
    check("the fields of a new task",
          [browser.find_element(By.ID, f).get_attribute("value") for f in FIELDS], numbers)
    check("the report after a new task", text("izvestaj"), "")
    solution = console(numbers, "--objasni", language="")[0].split("Resenje:")[1]
    corners = re.findall(r"^[MN] = \(([^)]*)\)", solution, re.M)
    Select(browser.find_element(By.ID, "moja-vrsta")).select_by_value("2")
    for name, corner in zip("NM", corners):  # the other way round
        for axis, word in zip("xyz", corner.split(", ")):
            browser.find_element(By.ID, f"moje-{name}{axis}").clear()
            browser.find_element(By.ID, f"moje-{name}{axis}").send_keys(word)
    browser.find_element(By.ID, "proveri").click()
    check("the verdict on a right answer", text("presuda").startswith("Odgovor je tačan."), True)
    browser.find_element(By.ID, "moje-Nx").send_keys("1")
    browser.find_element(By.ID, "proveri").click()
    check("the verdict on a wrong answer", text("presuda").startswith("Odgovor nije tačan."), True)
    check("the wrong corner named", "Tačka N = (" in text("presuda"), True)
    browser.find_element(By.ID, "prikazi-resenje").click()
    check("the report shown after the check", text("izvestaj"), console(numbers)[0])

    # 8. On a phone the worked solution keeps its lines whole: a long one scrolls sideways.
    browser.set_window_size(390, 844)
    browser.find_element(By.ID, "objasni").click()
    check("the worked solution on a phone", browser.execute_script(
        "const e = document.getElementById('objasnjenje');"
        "return [e.hidden, e.scrollWidth > e.clientWidth, e.getClientRects().length]"),
        [False, True, 1])

    # 9. Each language by its button: the page's words, the report as the console's in that
    #    locale, the language in the address and the document; kept when the page opens again.
    browser.execute_script("location.hash = arguments[0]", ",".join(case02))
    for button, word in (("sr-Cyrl", "Израчунај"), ("en", "Calculate"), ("sr-Latn", "Izračunaj")):
        browser.find_element(By.CSS_SELECTOR, f"[data-jezik='{button}']").click()
        check(f"the page in {button}", [text("izracunaj"), text("izvestaj"), browser.execute_script(
            "return [location.hash, document.documentElement.lang]")],
            [word, console(case02, language=button)[0], ["#" + ",".join(case02) + "&jezik=" + button,
                                                         button]])
    browser.find_element(By.CSS_SELECTOR, "[data-jezik='en']").click()
    browser.get(page.as_uri())
    WebDriverWait(browser, 30).until(
        lambda b: b.execute_script("return document.body.classList.contains('spremno')"))
    check("the language kept when the page opens again", text("izracunaj"), "Calculate")
finally:
    browser.quit()
    profile.cleanup()

print(f"{len(failures)} failed")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
