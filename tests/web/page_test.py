"""The page kvir.html in headless Chromium, opened from file:// with the network off: its canvas
holds what `kvir-cli render --crop` writes, after clicks, taps, keys, the list and link parameters;
every tool works in every mode on a laptop's and a phone's screen; a finger's targets, the
pictures' sharpness, the words a screen reader hears, and the step mode's line.

    python3 page_test.py KVIR_HTML KVIR_CLI [PageTest.test_name ...]
"""
import base64
import os
import re
import subprocess
import sys
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from png import decode_png  # noqa: E402

PAGE, CLI = (os.path.abspath(arg) for arg in sys.argv[1:3])

CANVAS_PIXELS = """
const c = document.getElementById('panel');
const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
let s = '';
for (let i = 0; i < d.length; i += 0x8000) s += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
return [c.width, c.height, btoa(s)];
"""


# A laptop, a phone upright and on its side; the phones with touch.
SCREENS = {
    "laptop": {"width": 1280, "height": 800, "deviceScaleFactor": 1, "mobile": False},
    "phone": {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True},
    "landscape": {"width": 844, "height": 390, "deviceScaleFactor": 3, "mobile": True},
}

# Every input button's target on screen, and what a finger at its middle and near each corner
# (2 px in) would touch, each brought into view first.
TARGETS = """
const out = [];
for (const b of document.querySelectorAll('button.ind')) {
  b.scrollIntoView({block: 'center', inline: 'center'});
  const r = b.getBoundingClientRect();
  const points = [[r.left + r.width / 2, r.top + r.height / 2], [r.left + 2, r.top + 2],
                  [r.right - 2, r.top + 2], [r.left + 2, r.bottom - 2], [r.right - 2, r.bottom - 2]];
  const hit = points.map(([x, y]) => document.elementFromPoint(x, y) === b);
  const s = document.getElementById('stage').getBoundingClientRect();
  out.push({name: b.dataset.name, left: r.left - s.left, top: r.top - s.top, width: r.width,
            height: r.height, hit});
}
return out;
"""

# How many times the canvas's pixels are stretched on screen, in device pixels.
STRETCH = """
const c = document.getElementById('panel');
return c.getBoundingClientRect().width * window.devicePixelRatio / c.width;
"""


def render(*args):
    png = subprocess.run([CLI, "render", *args, "--crop", "-o", "-"], check=True,
                         capture_output=True).stdout
    return decode_png(png)


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                         "--disable-dev-shm-usage", "--window-size=1200,1000",
                         "--force-device-scale-factor=1",
                         # No network: every name resolves to nothing, every proxy is refused.
                         "--host-resolver-rules=MAP * ~NOTFOUND", "--proxy-server=127.0.0.1:9",
                         "--no-first-run", "--disable-background-networking"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        cls.profile = tempfile.TemporaryDirectory()
        options.add_argument("--user-data-dir=" + cls.profile.name)
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.driver.set_network_conditions(offline=True, latency=0, download_throughput=0,
                                          upload_throughput=0)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.profile.cleanup()

    def open(self, fragment):
        self.driver.get("about:blank")
        self.driver.get("file://" + PAGE + "#" + fragment)
        WebDriverWait(self.driver, 30).until(
            lambda d: d.execute_script("return document.body.dataset.ready"))
        self.assertEqual(self.driver.execute_script("return document.body.dataset.ready"), "true")
        # The first panel comes from the 100 % pictures; those its size asks for follow.
        self.wait_for("return document.body.dataset.settled === 'true'")

    def assert_panel(self, *args):
        width, height, data = self.driver.execute_script(CANVAS_PIXELS)
        want = render(*args)
        self.assertEqual((width, height), want[:2], args)
        self.assertTrue(base64.b64decode(data) == want[2], f"canvas#panel differs from {args}")

    def wait_for_address(self, part):
        WebDriverWait(self.driver, 10).until(lambda d: part in d.current_url)

    def button(self, name):
        return self.driver.find_element(By.CSS_SELECTOR, f'button.ind[data-name="{name}"]')

    def emulate_touch(self, metrics=None):
        """Touch from here to the end of the test, on a screen of `metrics` if given."""
        cdp = self.driver.execute_cdp_cmd
        cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 1})
        self.addCleanup(cdp, "Emulation.setTouchEmulationEnabled", {"enabled": False})
        if metrics:
            cdp("Emulation.setDeviceMetricsOverride", metrics)
            self.addCleanup(cdp, "Emulation.clearDeviceMetricsOverride", {})

    def tap(self, element):
        """A finger down and up at the middle of `element`, brought into view first."""
        x, y = self.driver.execute_script(
            "arguments[0].scrollIntoView({block: 'center'});"
            "const r = arguments[0].getBoundingClientRect();"
            "return [r.left + r.width / 2, r.top + r.height / 2];", element)
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})

    def use_screen(self, name):
        """The screen `name` of SCREENS (with touch on a phone) until the end of the test."""
        cdp = self.driver.execute_cdp_cmd
        metrics = SCREENS[name]
        cdp("Emulation.setDeviceMetricsOverride", metrics)
        cdp("Emulation.setTouchEmulationEnabled",
            {"enabled": metrics["mobile"], "maxTouchPoints": 5 if metrics["mobile"] else 1})
        self.addCleanup(cdp, "Emulation.clearDeviceMetricsOverride", {})
        self.addCleanup(cdp, "Emulation.setTouchEmulationEnabled", {"enabled": False})

    def console_errors(self):
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def script(self, code, *args):
        return self.driver.execute_script(code, *args)

    def wait_for(self, code, timeout=10):
        WebDriverWait(self.driver, timeout).until(lambda d: d.execute_script(code))

    def tool(self, tool_id):
        """Clicks a tool of the header, through the menu where the screen folds them into one."""
        menu = self.driver.find_element(By.ID, "menu-button")
        if menu.is_displayed() and menu.get_attribute("aria-expanded") != "true":
            menu.click()
        self.driver.find_element(By.ID, tool_id).click()

    def accessible_names(self):
        """Every name in the accessibility tree Chromium gives a screen reader."""
        self.driver.execute_cdp_cmd("Accessibility.enable", {})
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        return [n["name"]["value"] for n in nodes
                if isinstance(n.get("name", {}).get("value"), str)]

    def assert_names_whole(self, where):
        bad = [name for name in self.accessible_names()
               if re.search(r"\b(null|undefined|NaN)\b", name)]
        self.assertEqual(bad, [], where)

    def focused_name(self):
        return self.driver.execute_script("return document.activeElement.dataset.name || ''")

    def test_first_panel_then_a_click(self):
        self.open("zoom=100")
        self.assert_panel("1")
        self.button("IN03").click()
        self.assert_panel("1", "IN03")
        self.assertEqual(self.button("IN03").get_attribute("aria-label"), "Y3, вход, 1")
        self.wait_for_address("press=IN03")
        # Nothing was fetched: the page is all there is.
        self.assertEqual(self.driver.execute_script(
            "return performance.getEntriesByType('resource').length"), 0)
        errors = [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        self.assertEqual(errors, [])

    def test_a_tap_presses_the_button(self):
        self.emulate_touch()
        self.open("zoom=100")
        self.tap(self.button("IN03"))
        self.wait_for_address("press=IN03")
        self.assert_panel("1", "IN03")

    def test_a_phone_gets_the_300_percent_pictures_and_takes_a_tap(self):
        self.emulate_touch({"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
        self.open("scheme=1")
        self.assertEqual(self.driver.execute_script("return window.devicePixelRatio"), 3)
        self.assert_panel("1", "--zoom", "300")
        self.tap(self.button("IN03"))
        self.wait_for_address("press=IN03")
        self.assert_panel("1", "IN03", "--zoom", "300")
        # The panel fits the phone's width: no sideways scrolling.
        self.assertLessEqual(self.driver.execute_script(
            "return document.documentElement.scrollWidth"), 390)

    def test_list_then_tab_and_space(self):
        self.open("zoom=100")
        Select(self.driver.find_element(By.ID, "scheme")).select_by_value("14")
        self.assert_panel("14")
        self.driver.find_element(By.ID, "scheme").send_keys(Keys.TAB)
        for _ in range(12):
            if self.focused_name():
                break
            self.driver.switch_to.active_element.send_keys(Keys.TAB)
        name = self.focused_name()
        self.assertTrue(name.startswith("IN"), "Tab reached no input button")
        self.driver.switch_to.active_element.send_keys(Keys.SPACE)
        self.assert_panel("14", name)
        self.assertEqual(self.focused_name(), name)

    def test_link_opens_its_state(self):
        self.open("scheme=14&press=IN03&zoom=100")
        self.assert_panel("14", "IN03")
        self.assertEqual(Select(self.driver.find_element(By.ID, "scheme")).first_selected_option
                         .get_attribute("value"), "14")
        self.assertTrue(self.driver.find_element(By.ID, "note").get_attribute("hidden"))

    def test_link_in_english_clear_view_at_200(self):
        self.open("scheme=14&press=IN03,IN05&lang=en&view=clear&zoom=200")
        self.assert_panel("14", "IN03", "IN05", "--clear-view", "--zoom", "200")
        self.assertEqual(self.driver.find_element(By.TAG_NAME, "html").get_attribute("lang"), "en")
        self.assertIn("input", self.button("IN03").get_attribute("aria-label"))

    def test_nonsense_in_the_link_is_noted_not_fatal(self):
        self.open("scheme=99&press=IN03,NOPE&foo=1&zoom=100")
        note = self.driver.find_element(By.ID, "note")
        self.assertTrue(note.is_displayed())
        for word in ("scheme=99", "NOPE", "foo=1"):
            self.assertIn(word, note.text)
        self.assert_panel("1", "IN03")
        self.open("press=" + ",".join(["IN03"] * 1000) + "&zoom=100")
        self.assert_panel("1")
        self.assertTrue(self.driver.find_element(By.ID, "note").is_displayed())

    def test_links_that_hold(self):
        # Labels as kvir-cli takes them; a repeated parameter noted, the first one holding; the
        # note in the link's language only.
        self.open("scheme=1&press=Y3&lang=en&scheme=5&zoom=100")
        self.assert_panel("1", "IN03")
        note = self.driver.find_element(By.ID, "note").text
        self.assertIn("scheme=5 (repeated", note)
        self.assertNotRegex(note, "[а-яА-Я]")
        # A megabyte of address is refused at once in one note.
        self.open("x=1&" * 250000)
        self.assertLess(len(self.driver.find_element(By.ID, "note").text), 200)
        self.assert_panel("1", "--zoom", self.script("return document.body.dataset.zoom"))
        # 250 presses leave an address the page opens to the same state.
        self.open("scheme=16&zoom=100")
        names = self.driver.execute_script(
            "return [...document.querySelectorAll('button.ind')].map((b) => b.dataset.name)")
        clicked = [names[(i * 7 + i // 4) % len(names)] for i in range(250)]
        # Clicked from the page itself: 250 round trips to the driver would take a minute.
        self.script("for (const name of arguments[0]) "
                    "document.querySelector(`button.ind[data-name=\"${name}\"]`).click();", clicked)
        panel = self.driver.execute_script(CANVAS_PIXELS)
        # The presses after the list was shortened at the 201st end the address once it is written.
        tail = ",".join(clicked[201:]) + "&"
        WebDriverWait(self.driver, 10).until(lambda d: tail in d.current_url)
        link = self.driver.current_url.split("#", 1)[1]
        self.assertLess(link.count(","), 200)
        self.open(link)
        self.assertTrue(self.driver.find_element(By.ID, "note").get_attribute("hidden"))
        self.assertEqual(self.driver.execute_script(CANVAS_PIXELS), panel)

    def test_hostile_parameters(self):
        # Names of the script's own objects are no language; a NUL ends no button's name; a note
        # never shows half a character.
        for link, part in (("lang=toString", "lang=toString"), ("lang=__proto__", "lang=__proto__"),
                           ("lang=constructor", "lang=constructor"),
                           ("press=IN01%00xyz", "press IN01\u2400xyz"),
                           ("zoom=" + "\U0001F600" * 50, "zoom=" + "\U0001F600" * 40)):
            with self.subTest(link=link):
                self.open(link)
                self.assertEqual(self.script("return document.documentElement.lang"), "ru")
                note = self.driver.find_element(By.ID, "note").text
                self.assertIn(part, note)
                self.assertNotIn("\ufffd", note)
                self.assertNotIn("undefined", self.driver.find_element(By.TAG_NAME, "body").text)
        self.open("press=IN01%00xyz&zoom=100")
        self.assert_panel("1")

    def test_truth_table_about_and_help(self):
        self.open("scheme=9&zoom=100")
        self.driver.find_element(By.ID, "table-button").click()
        table = self.driver.find_element(By.ID, "table")
        self.assertTrue(table.is_displayed())
        self.assertEqual(len(table.find_elements(By.CSS_SELECTOR, "tr[aria-current=true]")), 1)
        count = table.find_element(By.CLASS_NAME, "count").text
        self.assertTrue(count.startswith("пройдено 1 из "), count)
        self.driver.find_element(By.CSS_SELECTOR, "button.ind").click()
        self.assertTrue(table.find_element(By.CLASS_NAME, "count").text.startswith("пройдено 2"))
        self.driver.find_element(By.ID, "about-button").click()
        about = self.driver.find_element(By.ID, "about").text
        title = Select(self.driver.find_element(By.ID, "scheme")).first_selected_option.text
        self.assertIn(title, about)
        self.driver.find_element(By.ID, "lang").click()
        self.assertTrue(table.find_element(By.CLASS_NAME, "count").text.startswith("reached 2 of"))
        self.driver.find_element(By.ID, "help-button").click()
        self.assertIn("Tab", self.driver.find_element(By.ID, "help").text)

    def test_step_mode_replays_then_shows_the_render(self):
        self.open("scheme=1&mode=step&zoom=100")
        self.assertEqual(self.driver.find_element(By.ID, "step").get_attribute("aria-pressed"),
                         "true")
        self.button("IN03").click()
        self.assertEqual(self.driver.execute_script("return document.body.dataset.replaying"),
                         "true")
        WebDriverWait(self.driver, 30).until(
            lambda d: d.execute_script("return document.body.dataset.replaying") == "false")
        self.assert_panel("1", "IN03")
        self.wait_for_address("mode=step")

    def test_quiz_takes_guesses_by_keyboard_and_checks(self):
        self.open("scheme=1&mode=quiz&zoom=100")
        self.assertTrue(self.driver.find_element(By.ID, "quiz-bar").is_displayed())
        lamp = self.driver.find_element(By.CSS_SELECTOR, ".lamp.guess")
        self.assertTrue(lamp.get_attribute("aria-label").endswith(", ?"))
        lamp.send_keys(Keys.SPACE)
        lamp = self.driver.find_element(By.CSS_SELECTOR, ".lamp.guess")
        self.assertTrue(lamp.get_attribute("aria-label").endswith("ответ 0"))
        self.driver.find_element(By.ID, "check").click()
        self.assertIn("Счёт: верно", self.driver.find_element(By.ID, "quiz-text").text)
        self.driver.find_element(By.ID, "quiz").click()
        self.assertFalse(self.driver.find_element(By.ID, "quiz-bar").is_displayed())
        # The quiz began with a question of its own: the panel shows the state it set.
        on = [b.get_attribute("data-name") for b in
              self.driver.find_elements(By.CSS_SELECTOR, "button.ind")
              if b.get_attribute("aria-label").endswith(", 1")]
        self.assertEqual(len(on), 1, on)
        self.assert_panel("1", on[0])

    def test_clear_view_button_restyles_the_panel(self):
        self.open("scheme=3&zoom=100")
        self.driver.find_element(By.ID, "view").click()
        self.assert_panel("3", "--clear-view")
        self.wait_for_address("view=clear")
        errors = [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        self.assertEqual(errors, [])

    def test_arrows_move_among_the_buttons(self):
        self.open("scheme=1&zoom=100")
        first = self.button("IN01")
        first.click()
        self.driver.switch_to.active_element.send_keys(Keys.ARROW_DOWN)
        below = self.focused_name()
        self.assertTrue(below.startswith("IN") and below != "IN01", below)
        self.driver.switch_to.active_element.send_keys(Keys.ARROW_UP)
        self.assertEqual(self.focused_name(), "IN01")


    # The phone, the tools and the words ---------------------------------------------------------

    def test_every_tool_in_every_mode_on_both_screens_in_both_languages(self):
        # With the truth table open: each mode on, each other tool clicked in the quiz, the quiz
        # off, then the other language; the console stays empty, no name or text has a hole.
        tools = ("view", "reset", "about-button", "help-button", "zoom-in", "zoom-out",
                 "full-screen", "full-screen", "quiz")
        for screen in ("laptop", "phone"):
            for lang in ("ru", "en"):
                with self.subTest(screen=screen, lang=lang):
                    self.use_screen(screen)
                    self.open(f"scheme=14&press=IN03&lang={lang}")
                    self.tool("table-button")
                    for mode in ("step", "quiz"):
                        self.tool(mode)
                        self.assertEqual(self.driver.find_element(By.ID, mode)
                                         .get_attribute("aria-pressed"), "true")
                        self.button("IN05").click()
                        self.assert_names_whole((screen, lang, mode))
                    for tool in tools:
                        if not self.driver.find_element(By.ID, tool).get_attribute("hidden"):
                            self.tool(tool)
                    self.button("IN05").click()
                    self.assertTrue(self.driver.find_element(By.ID, "table").is_displayed())
                    body = self.script("return document.body.innerText")
                    self.assertNotRegex(body, r"\b(null|undefined|NaN)\b")
                    self.tool("lang")
                    self.assertEqual(self.script("return document.documentElement.lang"),
                                     "en" if lang == "ru" else "ru")
                    self.assertEqual(self.console_errors(), [], (screen, lang))
                    # Wherever the tools went, the page is no wider than the screen.
                    self.assertLessEqual(self.script(
                        "return document.documentElement.scrollWidth"),
                        SCREENS[screen]["width"])

    def test_a_fingers_target_on_every_scheme_on_a_phone(self):
        self.use_screen("phone")
        self.open("scheme=1")
        smallest = float("inf")
        for n in range(1, 17):
            with self.subTest(scheme=n):
                Select(self.driver.find_element(By.ID, "scheme")).select_by_value(str(n))
                targets = self.script(TARGETS)
                self.assertTrue(targets)
                for t in targets:
                    smallest = min(smallest, t["width"], t["height"])
                    self.assertGreaterEqual(min(t["width"], t["height"]), 24 - 0.01, t)
                    # Its own: a finger anywhere in it presses that button and no other.
                    self.assertEqual(t["hit"], [True] * 5, t)
                for i, a in enumerate(targets):
                    for b in targets[i + 1:]:
                        overlap_x = min(a["left"] + a["width"], b["left"] + b["width"]) - \
                            max(a["left"], b["left"])
                        overlap_y = min(a["top"] + a["height"], b["top"] + b["height"]) - \
                            max(a["top"], b["top"])
                        self.assertFalse(overlap_x > 0.01 and overlap_y > 0.01, (a, b))
        print(f"\nthe smallest target on a phone: {smallest:.1f} CSS px", file=sys.stderr)

    def test_the_pictures_are_never_stretched_more_than_a_quarter(self):
        # Every scheme as it starts on a phone, where the sets change most; schemes of each size
        # on each screen zoomed in twice.
        worst = 0.0
        for screen, schemes in (("phone", range(1, 17)), ("laptop", (1, 8, 14)),
                                ("landscape", (1, 8, 14))):
            self.use_screen(screen)
            self.open("scheme=16")
            for n in schemes:
                Select(self.driver.find_element(By.ID, "scheme")).select_by_value(str(n))
                zoomed = n in (1, 8, 14)
                for _ in range(3 if zoomed else 1):
                    self.wait_for("return document.body.dataset.settled === 'true'")
                    stretch = self.script(STRETCH)
                    worst = max(worst, stretch)
                    self.assertLessEqual(stretch, 1.25 + 1e-6, (screen, n))
                    if zoomed:
                        self.tool("zoom-in")
            # The panel shows exactly what kvir-cli renders at the set the page chose.
            zoom = self.script("return document.body.dataset.zoom")
            self.assert_panel(str(n), "--zoom", zoom)
        print(f"\nthe pictures stretched at most {worst:.3f} times", file=sys.stderr)

    def test_landscape_gives_the_panel_the_width_and_most_of_the_height(self):
        self.use_screen("landscape")
        self.open("scheme=16")
        width, height = self.script(
            "const r = document.getElementById('scroller').getBoundingClientRect();"
            "return [Math.min(r.width, document.getElementById('stage').offsetWidth),"
            " Math.min(r.height, document.getElementById('stage').offsetHeight)];")
        self.assertGreaterEqual(width, 844 * 0.95)
        self.assertGreaterEqual(height, 390 * 0.6)
        # The tools folded into one row above it.
        self.assertLess(self.driver.find_element(By.TAG_NAME, "header").size["height"], 60)

    def test_two_fingers_zoom_the_panel_not_the_page(self):
        self.use_screen("phone")
        self.open("scheme=8")
        before = self.script("return document.getElementById('stage').offsetWidth")
        cdp = self.driver.execute_cdp_cmd
        box = self.script("const r = document.getElementById('scroller').getBoundingClientRect();"
                          "return [r.left + r.width / 2, r.top + 100];")
        for kind, spread in (("touchStart", 20), ("touchMove", 60), ("touchMove", 120),
                             ("touchEnd", None)):
            points = [] if spread is None else [
                {"x": box[0] - spread, "y": box[1], "id": 0},
                {"x": box[0] + spread, "y": box[1], "id": 1}]
            cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        self.wait_for("return document.body.dataset.settled === 'true'")
        after = self.script("return document.getElementById('stage').offsetWidth")
        self.assertGreater(after, before * 1.2)
        self.assertLessEqual(self.script(STRETCH), 1.25 + 1e-6)
        self.assertEqual(self.script("return window.visualViewport.scale"), 1)

    def test_every_card_has_words(self):
        # Each scheme's question open, then guessed in part and checked: the lamps covered, the
        # guesses, the right, wrong and unanswered ones all have a name with no hole in it.
        seen = set()
        lamp_names = "return [...document.querySelectorAll('.lamp')].map((e) => e.ariaLabel)"
        self.open("scheme=1&mode=quiz&zoom=100")
        for n in range(1, 17):
            if n == 9:
                self.driver.find_element(By.ID, "lang").click()
            Select(self.driver.find_element(By.ID, "scheme")).select_by_value(str(n))
            self.assert_names_whole(("open", n))
            seen.update(self.script(lamp_names))
            lamps = self.driver.find_elements(By.CSS_SELECTOR, ".lamp.guess")
            for i, clicks in zip(range(len(lamps)), (1, 2, 3)):
                for _ in range(clicks):
                    self.driver.find_elements(By.CSS_SELECTOR, ".lamp.guess")[i].click()
            seen.update(self.script(lamp_names))
            self.driver.find_element(By.ID, "check").click()
            self.assert_names_whole(("checked", n))
            seen.update(self.script(lamp_names))
        # Among them every kind of card in both languages.
        for word in ("?", "закрыто", "ответ 0", "ответ 1", ", верно", "неверно", "без ответа",
                     "covered", "answer 1", ", right", "wrong", "not answered"):
            self.assertTrue(any(name.endswith(word) for name in seen), word)

    def test_a_press_is_announced_in_the_pages_language(self):
        self.open("scheme=1&zoom=100")
        live = self.driver.find_element(By.ID, "live")
        self.assertEqual(live.get_attribute("aria-live"), "polite")
        self.button("IN03").click()
        self.wait_for("return document.getElementById('live').textContent !== ''")
        self.assertRegex(live.get_attribute("textContent"), r"^Изменилось: .*Y3 — 1")
        self.driver.find_element(By.ID, "lang").click()
        self.button("IN05").click()
        self.wait_for("return document.getElementById('live').textContent.startsWith('Changed')")
        said = live.get_attribute("textContent")
        self.assertIn("Y5 to 1", said)
        self.assertIn("Y3 to 0", said)
        # In the quiz a press tells nothing of the lamps the question covers.
        self.driver.find_element(By.ID, "quiz").click()
        self.button("IN02").click()
        self.wait_for("return document.getElementById('live').textContent.includes('Y2')")
        said = live.get_attribute("textContent")
        for lamp in self.driver.find_elements(By.CSS_SELECTOR, ".lamp.guess"):
            self.assertNotIn(lamp.get_attribute("aria-label").split(",")[0] + " to", said)

    def test_step_line_counts_stages_and_keeps_the_pace(self):
        self.open("scheme=1&mode=step&zoom=100")
        line = self.driver.find_element(By.ID, "step-text")
        self.assertTrue(line.text.startswith("Нажмите кнопку входа · Скорость: шаг каждые 250 мс"))
        self.driver.find_element(By.ID, "pause").click()
        self.assertIn("Пауза", line.text)
        self.button("IN03").click()
        stages = int(re.match(r"Шаг 0 из (\d+)", line.text).group(1))
        self.assertGreater(stages, 1)
        self.driver.find_element(By.ID, "next-stage").click()
        self.assertTrue(line.text.startswith(f"Шаг 1 из {stages}"), line.text)
        self.driver.find_element(By.ID, "faster").click()
        self.driver.find_element(By.ID, "faster").click()
        self.driver.find_element(By.ID, "pause").click()
        self.assertIn("каждые 60 мс", line.text)
        self.wait_for("return document.body.dataset.replaying === 'false'")
        self.assertTrue(line.text.startswith("Нажмите кнопку входа"))
        self.assertTrue(self.driver.find_element(By.ID, "next-stage").get_attribute("disabled"))
        self.assert_panel("1", "IN03")
        self.driver.find_element(By.ID, "slower").click()
        self.assertIn("каждые 125 мс", line.text)

    def test_start_over_brings_back_the_first_state(self):
        self.open("scheme=14&press=IN03,IN05&zoom=100")
        self.driver.find_element(By.ID, "reset").click()
        self.assert_panel("14")
        WebDriverWait(self.driver, 10).until(lambda d: "press=" not in d.current_url)
        self.driver.find_element(By.ID, "table-button").click()
        self.assertTrue(self.driver.find_element(By.CSS_SELECTOR, "#table .count").text
                        .startswith("пройдено 1 из"))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
