#!/usr/bin/env bash
# Speed of the web page in headless Chromium, opened from disk: the time from
# opening the page with a task in its address to the first report and picture
# (from the start of the navigation until the report is in the page and the
# canvas painted), over fresh loads; and the time of each redraw while the
# picture is dragged (the drawing list computed in WebAssembly, passed to the
# script and painted on the canvas), over a long left drag and a long right
# drag. Prints the median, the 95th percentile and the largest value.
#
#   tools/measure-web.sh                 # trikros-case10's task, 20 loads
#   tools/measure-web.sh '4,5,0,4,1,0,1,5,0,4,3,0,4,6,3,2,3,5' 40
set -euo pipefail
cd "$(dirname "$0")/.."

task=${1:-1,1,0,4,1,0,4,4,0,5,3,0,3,0,0,2,3,0}
loads=${2:-20}

bash tools/setup.sh test
cmake --preset web >/dev/null
cmake --build --preset web >/dev/null

/usr/bin/python3 - "$PWD/build/web/trikros.html" "$task" "$loads" <<'PYTHON'
import pathlib, statistics, sys, tempfile
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.mouse_button import MouseButton
from selenium.webdriver.common.by import By

page, task, loads = pathlib.Path(sys.argv[1]).as_uri(), sys.argv[2], int(sys.argv[3])
profile = tempfile.TemporaryDirectory()  # the browser's own, removed at the end
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                 "--no-first-run", "--user-data-dir=" + profile.name, "--window-size=1280,900"):
    options.add_argument(argument)
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

def summary(name, values):
    values = sorted(values)
    print(f"{name}: median {statistics.median(values):.1f} ms, 95th percentile "
          f"{values[int(0.95 * (len(values) - 1))]:.1f} ms, largest {values[-1]:.1f} ms "
          f"({len(values)} measured)")

try:
    first = []
    for load in range(loads):
        browser.get("about:blank")
        browser.get(page + "#" + task)
        first.append(browser.execute_script("return trikros.timings.firstPicture"))
    summary("first report and picture", first)
    print("  report:", browser.execute_script(
        "return document.getElementById('izvestaj').textContent").splitlines()[0])

    canvas = browser.find_element(By.ID, "platno")
    for button, name in ((MouseButton.LEFT, "left drag (pan)"), (MouseButton.RIGHT, "right drag (spin)")):
        browser.execute_script("trikros.timings.paints.length = 0")
        actions = ActionBuilder(browser, duration=16)
        actions.pointer_action.move_to(canvas).pointer_down(button)
        for step in range(200):
            actions.pointer_action.move_by(3 if step % 40 < 20 else -3, 1 if step % 2 else -1)
        actions.pointer_action.pointer_up(button)
        actions.perform()
        summary("redraw while dragging, " + name, browser.execute_script("return trikros.timings.paints"))
finally:
    browser.quit()
    profile.cleanup()
PYTHON
