"""The page kvir.html in headless Chromium, opened from file:// with the network off: its canvas
holds what `kvir-cli render --crop` writes, after clicks, taps, keys, the list and link parameters.

    python3 page_test.py KVIR_HTML KVIR_CLI
"""
import base64
import os
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

    def test_a_phone_gets_the_200_percent_pictures_and_takes_a_tap(self):
        self.emulate_touch({"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
        self.open("scheme=1")
        self.assertEqual(self.driver.execute_script("return window.devicePixelRatio"), 3)
        self.assert_panel("1", "--zoom", "200")
        self.tap(self.button("IN03"))
        self.wait_for_address("press=IN03")
        self.assert_panel("1", "IN03", "--zoom", "200")
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
        self.assert_panel("1")
        # 250 presses leave an address the page opens to the same state.
        self.open("scheme=16&zoom=100")
        names = self.driver.execute_script(
            "return [...document.querySelectorAll('button.ind')].map((b) => b.dataset.name)")
        clicked = [names[(i * 7 + i // 4) % len(names)] for i in range(250)]
        for name in clicked:
            self.button(name).click()
        panel = self.driver.execute_script(CANVAS_PIXELS)
        # The presses after the list was shortened at the 201st end the address once it is written.
        tail = ",".join(clicked[201:]) + "&"
        WebDriverWait(self.driver, 10).until(lambda d: tail in d.current_url)
        link = self.driver.current_url.split("#", 1)[1]
        self.assertLess(link.count(","), 200)
        self.open(link)
        self.assertTrue(self.driver.find_element(By.ID, "note").get_attribute("hidden"))
        self.assertEqual(self.driver.execute_script(CANVAS_PIXELS), panel)

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


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
