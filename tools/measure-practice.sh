#!/usr/bin/env bash
# Speed of practice: the time trikros takes to write a worksheet of 20 tasks with its key
# (--listic, from start to exit, over several seeds and kinds), and the time the web page takes
# for a new task (Novi zadatak: the task made in WebAssembly, put into the fields and the
# triangles painted; the page's own clock, trikros.timings.newTasks) in headless Chromium,
# over many presses for each kind. Prints the median, the 95th percentile and the largest value.
#
#   tools/measure-practice.sh          # 10 worksheets, 30 new tasks of each kind
#   tools/measure-practice.sh 20 60
set -euo pipefail
cd "$(dirname "$0")/.."

sheets=${1:-10}
presses=${2:-30}

bash tools/setup.sh test
cmake --preset release >/dev/null && cmake --build --preset release --target trikros >/dev/null
cmake --preset web >/dev/null && cmake --build --preset web >/dev/null

/usr/bin/python3 - "$PWD/build/release/trikros" "$PWD/build/web/trikros.html" "$sheets" "$presses" <<'PYTHON'
import pathlib, statistics, subprocess, sys, tempfile, time
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

program, page, sheets, presses = sys.argv[1], pathlib.Path(sys.argv[2]).as_uri(), int(sys.argv[3]), int(sys.argv[4])

def summary(name, values):
    values = sorted(values)
    print(f"{name}: median {statistics.median(values):.1f} ms, 95th percentile "
          f"{values[int(0.95 * (len(values) - 1))]:.1f} ms, largest {values[-1]:.1f} ms "
          f"({len(values)} measured)")

# 1. Worksheets of 20 tasks with their key: any kind, then the slowest kinds to make.
folder = tempfile.TemporaryDirectory()
for kinds in ([], ["petougao", "sestougao"]):
    times = []
    for seed in range(1, sheets + 1):
        started = time.perf_counter()
        subprocess.run([program, "--listic", "20", f"{folder.name}/listic.pdf", "--seme", str(seed), *kinds],
                       check=True, stdout=subprocess.DEVNULL)
        times.append(1000 * (time.perf_counter() - started))
    summary("worksheet of 20 tasks with key" + (" (" + " ".join(kinds) + ")" if kinds else ""), times)
folder.cleanup()

# 2. Novi zadatak on the page, for each kind the page offers.
profile = tempfile.TemporaryDirectory()  # the browser's own, removed at the end
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                 "--no-first-run", "--user-data-dir=" + profile.name, "--window-size=1280,900"):
    options.add_argument(argument)
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    browser.get(page)
    WebDriverWait(browser, 30).until(
        lambda b: b.execute_script("return document.body.classList.contains('spremno')"))
    kind = Select(browser.find_element(By.ID, "vrsta-zadatka"))
    every = []
    for value in [option.get_attribute("value") for option in kind.options]:
        kind.select_by_value(value)
        browser.execute_script("trikros.timings.newTasks.length = 0")
        for press in range(presses):
            browser.find_element(By.ID, "novi-zadatak").click()
        times = browser.execute_script("return trikros.timings.newTasks")
        every += times
        summary(f"  new task, {value or 'any kind'}", times)
    summary("new task on the page, every kind", every)
finally:
    browser.quit()
    profile.cleanup()
PYTHON
