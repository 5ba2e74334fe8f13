#!/usr/bin/python3
"""Browser tests of the game's page in a real headless Chromium.

    web_test.py WWW_FOLDER

Serves WWW_FOLDER on the loopback interface, starts Debian's chromium with a
fresh profile and drives it through the DevTools protocol (python3-websocket):
the page loads without a console error and draws the game menu, its sound
waiting for a click (the autoplay rule of desktop browsers); the first click
starts it; a new game and the opening's keys reach the station;
the page's language, sound and full-screen controls and its links work; a
game saved in slot 1 survives a reload and a browser restart and loads
again; "Export saves" downloads the 1736-byte save.qzd; damaged imports are
refused with a message and the saves stay; a saved game from the bunker plays
on through the phone game; committed play scripts (tools/play) replay inside
the page: the station chapter, the whole walkthrough from a new game to the
bunker gate, and the story's end from a saved game (the bunker saves were
made by the play tool from tests/web/bunker_save.play, which jumps to the
bunker), so every part of the story plays in the browser. It prints the budget figures
(transfer size, time to the first frame, frame times). Screenshots go to
$VK3_SHOTS (default: WWW_FOLDER/../shots).
"""
import base64
import gzip
import json
import re
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request
import zlib

import websocket

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import web_serve  # noqa: E402

SAVE_SIZE = 1736
SCENE_OFFSET = 8  # a slot's scene, little-endian int32, after its 8-byte time
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--autoplay-policy=document-user-activation-required", "--remote-debugging-port=0"]


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


# ---- PNG (Chromium's screenshots: 8-bit RGB or RGBA, not interlaced) --------

def decode_png(data):
    check(data[:8] == b"\x89PNG\r\n\x1a\n", "screenshot is not a PNG")
    pos, idat, width = 8, b"", 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            check(depth == 8 and colour in (2, 6) and interlace == 0, "unexpected PNG format")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw, stride = zlib.decompress(idat), width * channels
    rows, prev = [], bytearray(stride)
    for y in range(height):
        f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b, c = prev[i], prev[i - channels] if i >= channels else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(line))
        prev = line
    return width, height, channels, rows


def picture_summary(png):
    """(share of lit pixels, number of distinct colours) over a sample grid."""
    width, height, channels, rows = decode_png(png)
    lit, colours, total = 0, set(), 0
    for y in range(0, height, 4):
        row = rows[y]
        for x in range(0, width, 4):
            r, g, b = row[x * channels:x * channels + 3]
            total += 1
            lit += (r + g + b) > 60
            colours.add((r >> 3, g >> 3, b >> 3))
    return lit / total, len(colours)


# ---- The browser ------------------------------------------------------------

class Browser:
    def __init__(self, profile, downloads):
        self.profile, self.downloads = profile, downloads
        port_file = os.path.join(profile, "DevToolsActivePort")
        if os.path.exists(port_file):
            os.remove(port_file)
        self.proc = subprocess.Popen(["/usr/bin/chromium", *CHROMIUM_FLAGS, "--user-data-dir=" + profile,
                                      "about:blank"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 30
        while not os.path.exists(port_file) or len(open(port_file).read().split()) < 2:
            check(time.time() < deadline and self.proc.poll() is None, "chromium did not start")
            time.sleep(0.1)
        port = open(port_file).read().split()[0]
        pages = json.load(urllib.request.urlopen("http://127.0.0.1:%s/json/list" % port))
        page = next(p for p in pages if p["type"] == "page")
        self.ws = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=60, suppress_origin=True)
        self.next_id, self.errors, self.events = 0, [], []
        for domain in ("Page", "Runtime", "Log"):
            self.call(domain + ".enable")
        self.call("Emulation.setDeviceMetricsOverride", width=1300, height=1040, deviceScaleFactor=1, mobile=False)
        self.call("Browser.setDownloadBehavior", behavior="allow", downloadPath=downloads)

    def _event(self, msg):
        method, params = msg.get("method"), msg.get("params", {})
        if method == "Runtime.consoleAPICalled" and params.get("type") == "error":
            self.errors.append(" ".join(str(a.get("value", a.get("description", ""))) for a in params["args"]))
        elif method == "Runtime.exceptionThrown":
            d = params["exceptionDetails"]
            self.errors.append(d.get("exception", {}).get("description", d.get("text", "exception")))
        elif method == "Log.entryAdded" and params["entry"]["level"] == "error":
            self.errors.append(params["entry"]["text"] + " " + params["entry"].get("url", ""))
        self.events.append(method)

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            msg = json.loads(self.ws.recv())
            if msg.get("id") == self.next_id:
                if "error" in msg:
                    raise Failure("%s: %s" % (method, msg["error"]))
                return msg.get("result", {})
            self._event(msg)

    def js(self, expression):
        r = self.call("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in r:
            raise Failure("page script failed: %s: %s" % (expression, r["exceptionDetails"].get("exception", {})
                                                           .get("description", r["exceptionDetails"]["text"])))
        return r["result"].get("value")

    def wait(self, expression, what, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.js(expression):
                return
            time.sleep(0.05)
        raise Failure("timed out waiting for " + what)

    def pump(self, seconds):
        """Lets the page run, handling the browser's events."""
        end = time.time() + seconds
        while time.time() < end:
            self.js("0")
            time.sleep(0.02)

    def close(self):
        try:
            self.call("Browser.close")
        except Exception:
            pass
        try:
            self.proc.wait(timeout=15)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()


# ---- The game's page ----------------------------------------------------------

class Page:
    def __init__(self, browser, url, shots):
        self.b, self.url, self.shots = browser, url, shots
        self.last = (320, 240)

    def load(self):
        self.b.call("Page.navigate", url=self.url)
        self.b.wait("typeof Module === 'object' && Module.vk3Ready === true", "the game to start", 60)
        self.b.wait("Module.vk3FirstFrame > 0 && Module._vk3_frame_times(0) > 3", "the first frames")

    def scene(self):
        return self.b.js("Module._vk3_scene()")

    def canvas_rect(self):
        return self.b.js("(function(){var r=canvas.getBoundingClientRect();"
                         "return [r.left, r.top, r.width, r.height];})()")

    def point(self, x, y):
        left, top, width, height = self.canvas_rect()
        return left + (x + 0.5) * width / 640, top + (y + 0.5) * height / 480

    def move(self, x, y):
        self.last = (x, y)
        px, py = self.point(x, y)
        self.b.call("Input.dispatchMouseEvent", type="mouseMoved", x=px, y=py)

    def click_at(self, x, y, button="left"):
        self.last = (x, y)
        px, py = self.point(x, y)
        self.b.call("Input.dispatchMouseEvent", type="mouseMoved", x=px, y=py)
        self.b.pump(0.1)  # a frame finds the hover before the click acts on it
        for kind in ("mousePressed", "mouseReleased"):
            self.b.call("Input.dispatchMouseEvent", type=kind, x=px, y=py, button=button, clickCount=1)
        self.b.pump(0.1)

    def click_spot(self, spot):
        at = self.b.js("Module._vk3_spot(%d)" % spot)
        check(at >= 0, "no hotspot %d in scene %d" % (spot, self.scene()))
        self.click_at(at >> 16, at & 0xFFFF)

    def key(self, name):
        code, vk, text = {"enter": ("Enter", 13, "\r"), "space": ("Space", 32, " ")}[name]
        key = "Enter" if name == "enter" else " "
        self.b.call("Input.dispatchKeyEvent", type="keyDown", key=key, code=code, text=text,
                    windowsVirtualKeyCode=vk, nativeVirtualKeyCode=vk)
        self.b.call("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                    windowsVirtualKeyCode=vk, nativeVirtualKeyCode=vk)
        self.b.pump(0.15)

    def wait_scene(self, scene, timeout=10):
        self.b.wait("Module._vk3_scene() === %d" % scene, "scene %d (at %d)" % (scene, self.scene()), timeout)

    def idle(self, limit=60):
        """Clicks where the mouse is until no message shows and no step waits."""
        for _ in range(limit):
            if not self.b.js("Module._vk3_busy()"):
                return
            self.click_at(*self.last)
        raise Failure("messages did not end")

    def screenshot(self, name, whole_page=False):
        params = {"format": "png"}
        if not whole_page:
            left, top, width, height = self.canvas_rect()
            params["clip"] = {"x": left, "y": top, "width": width, "height": height, "scale": 1}
        png = base64.b64decode(self.b.call("Page.captureScreenshot", **params)["data"])
        with open(os.path.join(self.shots, name), "wb") as f:
            f.write(png)
        return png

    def saves(self):
        data = self.b.js("Array.from(Module.FS.readFile(Module.UTF8ToString(Module._vk3_saves_path())))")
        return bytes(data)

    def wait_persisted(self, before):
        self.b.wait("Module.vk3SavesPersisted > %d && !Module.vk3SavesPending" % before, "the saves to be stored")

    def import_bytes(self, data):
        return self.b.js("vk3ImportSaves(new File([new Uint8Array(%s)], 'save.qzd'))" % json.dumps(list(data)))


# ---- Play scripts (tools/play) replayed in the page --------------------------

def script_lines(path):
    """(line number, words) of each command; '#' outside quotes starts a comment."""
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        quoted, cut = False, len(line)
        for i, ch in enumerate(line):
            if ch == '"':
                quoted = not quoted
            elif ch == "#" and not quoted:
                cut = i
                break
        code = line[:cut].strip()
        if code:
            yield number, code


# What the page can read back for `expect NAME == VALUE`.
READOUTS = {"scene": "Module._vk3_scene()", "selectedItem": "Module._vk3_selected_item()",
            "hoverId": "Module._vk3_hover_id()", "hoverLabel": "Module.UTF8ToString(Module._vk3_hover_label())",
            "menuOpen": "Module._vk3_menu_open()", "message": "Module.UTF8ToString(Module._vk3_message())"}


def readout(name):
    if name in READOUTS:
        return READOUTS[name]
    m = re.fullmatch(r"(has\(|inventory\[)(\d+)[)\]]", name)
    if m:
        return "Module._vk3_%s(%d)" % ("has" if m.group(1) == "has(" else "inventory", int(m.group(2)))
    if re.fullmatch(r"\w+(?:\[\d+\])?", name):
        # A progress byte, by the game's own table of names (-1: no such name).
        return "Module.ccall('vk3_progress_named', 'number', ['string'], [%s])" % json.dumps(name)
    return None


class Unreadable(Exception):
    """A name only the play tool knows."""


def read(page, name, js):
    """The value of a state name; Unreadable for one the page cannot read."""
    result = page.b.js(js) if js else -1
    if result == -1:
        raise Unreadable(name)
    return result


def evaluate(page, expression, where):
    """A script's integer expression over state names (C's / on whole numbers)."""
    def value(m):
        return str(read(page, m.group(0), readout(m.group(0))))
    python = re.sub(r"has\(\d+\)|[A-Za-z_]\w*(?:\[\d+\])?", value, expression).replace("/", "//")
    check(re.fullmatch(r"[\d\s+\-*/%()]*", python) is not None, where + ": not an expression")
    return int(eval(python, {"__builtins__": {}}))  # noqa: S307: digits and operators only


def replay(page, path):
    """Plays a script's commands in the page; returns (expectations checked, skipped)."""
    checked = skipped = 0
    for number, code in script_lines(path):
        where = "%s:%d: %s" % (os.path.basename(path), number, code)
        word, _, rest = code.partition(" ")
        rest = rest.strip()
        if word == "seed":
            page.b.js("Module._vk3_seed(%d)" % int(rest))
        elif word == "frames":                   # the page's own frames, as long as the script's
            args = rest.split()
            page.b.pump(int(args[0]) * (int(args[1]) if len(args) > 1 else 16) / 1000)
        elif word == "repeat":
            m = re.fullmatch(r"(.*?)\s+(click|rclick)", rest)
            check(m is not None, where + ": the page replays only repeated clicks")
            try:
                count = evaluate(page, m.group(1), where)
            except Unreadable as e:
                raise Failure("%s: the page cannot read %s" % (where, e))
            for _ in range(count):
                page.click_at(*page.last, button="left" if m.group(2) == "click" else "right")
        elif word == "lang":                     # the page's language list
            page.b.js("Module._vk3_set_language(%d)" % int(rest))
        elif word == "key":
            page.key(rest)
        elif word == "sounds":                   # the play tool's sample log: its expectations are skipped
            pass
        elif word == "screenshot":
            page.screenshot("script-" + os.path.basename(rest))
        elif word == "start":                    # the page has started: to the game menu
            page.idle()
            if page.scene() != 4:
                page.click_spot(20)
                page.wait_scene(4)
        elif word == "spot":
            at = page.b.js("Module._vk3_spot(%d)" % evaluate(page, rest, where))
            check(at >= 0, where + ": no such hotspot in scene %d" % page.scene())
            page.move(at >> 16, at & 0xFFFF)
            page.b.pump(0.1)
        elif word == "click":
            page.click_at(*page.last)
        elif word == "rclick":
            page.click_at(*page.last, button="right")
        elif word == "idle":
            page.idle()
        elif word == "expect":
            lhs, op, value = rest.partition(" == ")
            value = value.strip()
            if not op:
                skipped += 1
                continue
            expected = json.loads(value) if value.startswith('"') else int(value)
            expression = readout(lhs.strip())
            deadline = time.time() + 5
            while True:
                try:
                    got = read(page, lhs, expression) if expression else evaluate(page, lhs, where)
                except Unreadable:
                    skipped += 1
                    break
                if got == expected:
                    checked += 1
                    break
                if time.time() > deadline:
                    raise Failure("%s failed: it is %r" % (where, got))
                time.sleep(0.05)
        else:
            raise Failure(where + ": the page does not replay this command")
    return checked, skipped


def slot_scene(saves, slot):
    return struct.unpack_from("<i", saves, 8 + 288 * slot + SCENE_OFFSET)[0]


# ---- The tests ------------------------------------------------------------------

def test_load(page, figures):
    page.load()
    figures["first frame (ms from navigation)"] = round(page.b.js("Module.vk3FirstFrame"))
    lit, colours = picture_summary(page.screenshot("01-menu.png"))
    check(lit > 0.2 and colours > 30, "the game menu is not drawn (lit %.2f, %d colours)" % (lit, colours))
    check(page.scene() == 4, "the page opens on scene %d, not the game menu" % page.scene())
    figures["drawing through"] = page.b.js("canvas.getContext('webgl') ? 'WebGL' : '2D canvas'")
    page.b.js("Module._vk3_frame_times(3)")
    page.b.pump(2)
    figures["menu frames in 2 s"] = page.b.js("Module._vk3_frame_times(0)")
    figures["menu frame, mean / longest (us)"] = "%d / %d" % (
        page.b.js("Module._vk3_frame_times(1)"), page.b.js("Module._vk3_frame_times(2)"))
    state = page.b.js("Module.SDL2 && Module.SDL2.audioContext ? Module.SDL2.audioContext.state : 'none'")
    check(state == "suspended", "before any click the sound is %r, not waiting for a click" % state)


def test_page_settings(page, figures):
    """The start panel's settings on the page: language, sound, full screen, the two links."""
    def choose(element, value):
        page.b.js("(function(){var e=document.getElementById('%s');%s;"
                  "e.dispatchEvent(new Event('change'));})()" % (element, value))
    start = page.b.js("Module._vk3_settings()")
    for language in (0, 1, start & 1):
        choose("language", "e.value='%d'" % language)
        check(page.b.js("Module._vk3_settings() & 1") == language, "the language list did not set the language")
    choose("sound", "e.checked=false")
    check(page.b.js("Module._vk3_settings() & 2") == 0, "the sound box did not turn the sound off")
    choose("sound", "e.checked=true")
    check(page.b.js("Module._vk3_settings() & 2") == 2, "the sound box did not turn the sound on")
    left, top, width, height = page.b.js("(function(){var r=document.getElementById('fullscreen')"
                                         ".getBoundingClientRect();return [r.left,r.top,r.width,r.height];})()")
    for kind in ("mousePressed", "mouseReleased"):
        page.b.call("Input.dispatchMouseEvent", type=kind, x=left + width / 2, y=top + height / 2,
                    button="left", clickCount=1)
    page.b.wait("document.fullscreenElement === stage", "full screen", 5)
    page.b.pump(0.3)
    css = page.b.js("[canvas.clientWidth, canvas.clientHeight, stage.clientWidth, stage.clientHeight]")
    check(css[0] % 640 == 0 and css[1] == css[0] * 3 // 4 and css[0] <= css[2] and css[1] <= css[3],
          "full screen does not scale the picture by a whole number: %s" % css)
    page.b.js("document.exitFullscreen()")
    page.b.wait("document.fullscreenElement === null", "full screen to end", 5)
    for link in ("www", "emblem"):
        target, href = page.b.js("[document.getElementById('%s').target, document.getElementById('%s').href]"
                                 % (link, link))
        check(target == "_blank" and href.startswith("http://"), "the %s link does not open a new tab" % link)


def test_opening(page, figures):
    page.click_spot(15)                      # New game: the first click
    page.wait_scene(6)
    page.b.wait("Module.SDL2.audioContext.state === 'running'", "the sound to start on the first click", 5)
    check(page.b.js("Module._vk3_music_playing()") == 1, "no music after the first click")
    page.screenshot("02-opening.png")
    page.key("enter")
    page.wait_scene(7)
    for k in ("space", "enter", "enter"):
        page.key(k)
    page.wait_scene(10)
    page.idle()
    lit, colours = picture_summary(page.screenshot("03-station.png"))
    check(lit > 0.3 and colours > 100, "the station is not drawn (lit %.2f, %d colours)" % (lit, colours))


def save_in_slot_1(page):
    before = page.b.js("Module.vk3SavesPersisted")
    page.click_spot(20)                      # the strip: into the game menu
    page.wait_scene(4)
    page.click_spot(17)                      # the save list
    page.click_spot(24)                      # slot 1
    page.wait_persisted(before)


def load_slot_1(page, scene):
    page.idle()
    if page.scene() != 4:
        page.click_spot(20)                  # the strip: into the game menu
        page.wait_scene(4)
    page.click_spot(16)                      # the load list
    page.click_spot(24)
    page.wait_scene(scene)
    page.idle()                              # "Game restored."


def test_save_survives_reload(page, figures):
    save_in_slot_1(page)
    saved = page.saves()
    check(len(saved) == SAVE_SIZE and slot_scene(saved, 0) == 10, "slot 1 does not hold the station")
    page.load()
    check(page.saves() == saved, "save.qzd changed across the reload")
    load_slot_1(page, 10)
    page.screenshot("04-loaded-after-reload.png")
    figures["_saved"] = saved


def test_export(page, figures):
    saved = figures["_saved"]
    target = os.path.join(page.b.downloads, "save.qzd")
    page.b.js("document.getElementById('export').click()")
    deadline = time.time() + 10
    while not (os.path.exists(target) and os.path.getsize(target) == SAVE_SIZE):
        check(time.time() < deadline, "Export saves downloaded no 1736-byte save.qzd")
        page.b.pump(0.1)
    check(open(target, "rb").read() == saved, "the exported save.qzd is not the one in the browser")


def test_damaged_import(page, figures):
    saved = figures["_saved"]
    bad_scene = bytearray(saved)
    struct.pack_into("<i", bad_scene, 8 + SCENE_OFFSET, 999)   # slot 1 in no scene of the game
    for bad in (saved[:100], bytes(bad_scene), b"\xff" * SAVE_SIZE):
        page.b.js("document.getElementById('message').style.display = 'none'")
        check(page.import_bytes(bad) is False, "a damaged save.qzd was taken")
        message = page.b.js("document.getElementById('message').style.display === 'block' && "
                            "document.getElementById('message').textContent")
        check(message and ("damaged" in message or "not a save.qzd" in message),
              "no message for a refused import: %r" % message)
        check(page.saves() == saved, "a refused import changed the saves")
    page.screenshot("05-import-refused.png", whole_page=True)
    check(page.import_bytes(saved) is True, "the game's own export was refused on import")
    load_slot_1(page, 10)


def test_restart(page, figures, restart):
    saved = figures["_saved"]
    page = restart()
    page.load()
    check(page.saves() == saved, "save.qzd did not survive a browser restart")
    load_slot_1(page, 10)
    return page


def test_bunker_ending(page, figures, bunker_save):
    """A game saved in the bunker plays on: the phone game, lost, then the shower and the end."""
    before = page.b.js("Module.vk3SavesPersisted")
    check(page.import_bytes(bunker_save) is True, "the bunker save was refused")
    page.wait_persisted(before)
    load_slot_1(page, 57)
    page.click_spot(162)                     # the gamer: his phone game
    page.idle()
    page.wait_scene(5)
    page.move(5, 300)                        # the rocket at the lane's left end: the enemies get through
    page.b.js("Module._vk3_frame_times(3)")
    page.b.wait("Module._vk3_phone_game_over() === 1", "the phone game to end", 40)
    figures["phone game frames"] = page.b.js("Module._vk3_frame_times(0)")
    figures["phone game frame, mean / longest (us)"] = "%d / %d" % (
        page.b.js("Module._vk3_frame_times(1)"), page.b.js("Module._vk3_frame_times(2)"))
    check(page.b.js("Module._vk3_frame_times(2)") < 100000, "a phone game frame took over 100 ms")
    page.screenshot("06-phone-game-lost.png")
    page.click_at(320, 240)
    page.wait_scene(59)
    page.idle()
    page.wait_scene(57)


def test_ending_script(page, figures):
    """The committed script of the story's end, from slot 2 of the bunker saves."""
    checked, skipped = replay(page, os.path.join(HERE, "..", "tests", "web", "bunker_ending.play"))
    check(page.scene() == 82, "the story did not end on the end picture")
    figures["ending script: expectations checked in the page"] = "%d (%d need the play tool's names)" % (
        checked, skipped)
    page.screenshot("07-the-end.png")


def test_missing_browser_features(page, figures):
    """Without WebAssembly the page says so; without sound the game plays silently."""
    def with_page_script(source, then):
        ident = page.b.call("Page.addScriptToEvaluateOnNewDocument", source=source)["identifier"]
        try:
            page.b.call("Page.navigate", url=page.url)
            then()
        finally:
            page.b.call("Page.removeScriptToEvaluateOnNewDocument", identifier=ident)

    def no_webassembly():
        page.b.wait("(function(){var m = document.getElementById('message');"
                    "return !!m && m.style.display === 'block';})()", "the WebAssembly message")
        text = page.b.js("document.getElementById('message').textContent")
        check("WebAssembly" in text, "no clear message without WebAssembly: %r" % text)
        check(page.b.js("typeof Module._vk3_scene") == "undefined", "the game started without WebAssembly")
    with_page_script("delete window.WebAssembly;", no_webassembly)

    def no_sound():
        page.b.wait("typeof Module === 'object' && Module.vk3Ready === true", "the game without sound", 60)
        check("no sound" in page.b.js("document.getElementById('note').textContent"), "no note about the sound")
        page.click_spot(15)
        page.wait_scene(6)
        check(page.b.js("Module._vk3_music_playing()") == 0, "music plays without sound")
    with_page_script("delete window.AudioContext; delete window.webkitAudioContext;", no_sound)

    # A first visit (no saves in the browser) speaks the browser's language.
    origin = page.url.rstrip("/")
    for languages, expected in ((["cs-CZ", "cs"], 0), (["en-GB", "en"], 1)):
        page.b.call("Page.navigate", url="about:blank")
        page.b.call("Storage.clearDataForOrigin", origin=origin, storageTypes="indexeddb")

        def first_visit():
            page.b.wait("typeof Module === 'object' && Module.vk3Ready === true", "the game", 60)
            check(page.b.js("Module._vk3_settings() & 1") == expected and
                  page.b.js("document.getElementById('language').value") == str(expected),
                  "a first visit from a %s browser does not speak its language" % languages[0])
        with_page_script("Object.defineProperty(navigator, 'languages', {get: () => %s});"
                         "Object.defineProperty(navigator, 'language', {get: () => '%s'});"
                         % (json.dumps(languages), languages[0]), first_visit)


def test_station_script(page, figures):
    """The station chapter's committed play script, replayed in the page."""
    checked, skipped = replay(page, os.path.join(HERE, "..", "tests", "play", "story_station.play"))
    figures["station script: expectations checked in the page"] = "%d (%d need the play tool's names)" % (
        checked, skipped)


def test_walkthrough_script(page, figures):
    """The whole road from a new game to the open bunker gate, by playing only."""
    started = time.time()
    checked, skipped = replay(page, os.path.join(HERE, "..", "tests", "play", "story_walkthrough.play"))
    figures["walkthrough script: expectations checked in the page"] = "%d (%d skipped), %d s" % (
        checked, skipped, time.time() - started)


def transfer_sizes(www):
    sizes = {}
    for name in ("index.html", "varnoklet3.js", "varnoklet3.wasm", "varnoklet3.data"):
        raw = open(os.path.join(www, name), "rb").read()
        sizes[name] = (len(raw), len(gzip.compress(raw, 9)))
    return sizes


def main():
    www = os.path.abspath(sys.argv[1])
    shots = os.path.abspath(os.environ.get("VK3_SHOTS", os.path.join(www, "..", "shots")))
    os.makedirs(shots, exist_ok=True)
    bunker_save = open(os.path.join(HERE, "..", "tests", "web", "bunker.qzd"), "rb").read()
    server = web_serve.make_server(www, 0)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = "http://127.0.0.1:%d/" % server.server_address[1]
    work = tempfile.mkdtemp(prefix="vk3-web-test-")
    profile, downloads = os.path.join(work, "profile"), os.path.join(work, "downloads")
    os.makedirs(profile)
    os.makedirs(downloads)
    figures, failures = {}, []
    browser = Browser(profile, downloads)
    page = Page(browser, url, shots)

    def restart():
        nonlocal browser, page
        browser.close()
        browser = Browser(profile, downloads)
        page = Page(browser, url, shots)
        return page

    tests = [("page loads and draws the game menu", lambda: test_load(page, figures)),
             ("first click starts the sound; the opening reaches the station", lambda: test_opening(page, figures)),
             ("the page's settings: language, sound, full screen, links", lambda: test_page_settings(page, figures)),
             ("a save in slot 1 survives a reload and loads", lambda: test_save_survives_reload(page, figures)),
             ("Export saves downloads save.qzd", lambda: test_export(page, figures)),
             ("damaged imports are refused, the saves stay", lambda: test_damaged_import(page, figures)),
             ("the saves survive a browser restart", lambda: test_restart(page, figures, restart)),
             ("a bunker save plays on through the phone game",
              lambda: test_bunker_ending(page, figures, bunker_save)),
             ("the story's end replays from a saved game (tests/web/bunker_ending.play)",
              lambda: test_ending_script(page, figures)),
             ("the station chapter replays in the page (tests/play/story_station.play)",
              lambda: test_station_script(page, figures)),
             ("the walkthrough to the bunker gate replays in the page (tests/play/story_walkthrough.play)",
              lambda: test_walkthrough_script(page, figures)),
             ("no WebAssembly: a message; no sound: silent; a first visit speaks the browser's language",
              lambda: test_missing_browser_features(page, figures))]
    try:
        for name, run in tests:
            try:
                run()
                errors, browser.errors = browser.errors, []
                check(not errors, "console errors: %s" % errors)
                print("ok    " + name, flush=True)
            except Exception as e:  # noqa: BLE001: every fault of a test is reported, the rest go on
                failures.append(name)
                print("FAIL  %s: %s" % (name, e), flush=True)
                if not isinstance(e, Failure) or name.startswith("page loads"):
                    break
    finally:
        browser.close()
        server.shutdown()
        shutil.rmtree(work, ignore_errors=True)
    for name, (raw, packed) in transfer_sizes(www).items():
        figures["%s (bytes, gzip)" % name] = "%d, %d" % (raw, packed)
    for k, v in figures.items():
        if not k.startswith("_"):
            print("  %s: %s" % (k, v))
    print("screenshots in " + shots)
    if failures:
        print("%d browser test(s) failed" % len(failures))
        return 1
    print("All browser tests passed.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
