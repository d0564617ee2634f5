#!/usr/bin/env python3
"""portview_e2e.py PROGRAM KVM_SIM FLOW: the real program and virtual switch
under dbus-run-session and tests/isolated.sh, on an X server of its own with
the accessibility bus and a tray host, walked through AT-SPI and xdotool."""
import collections
import contextlib
import configparser
import json
import os
import random
import re
import struct
import subprocess
import sys
import time
import urllib.parse
import zlib
from pathlib import Path

import gi
gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

ROOT = os.environ.get("PORTVIEW_TEST_ROOT") or os.environ.get("TMPDIR", "/tmp")
HOTKEY = "Shift + Alt + S"
started = []  # every process a flow started, ended in reverse order at exit


def spawn(args, name, **kw):
    log = open(os.path.join(ROOT, name + ".log"), "ab")
    kw.setdefault("stdout", log)
    started.append(subprocess.Popen(args, stderr=log, **kw))
    return started[-1]


def stop_all():
    for process in reversed(started):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


def pump():
    # libatspi and Gio deliver what arrived only while GLib runs its loop.
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, check, timeout=15.0):
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = check()
        except GLib.Error:  # an element went away while the tree was read: look again
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


def session_bus():
    return Gio.bus_get_sync(Gio.BusType.SESSION, None)


def dbus_call(bus, service, path, interface, method, args=None, reply=None):
    result = bus.call_sync(service, path, interface, method, args, GLib.VariantType(reply) if reply else None,
                           Gio.DBusCallFlags.NONE, 5000, None)
    return result.unpack() if result else None


# --- X server and accessibility bus -----------------------------------------

def start_desktop(width=1280, height=1024, tray_host=True, second=None):
    """Xvfb -noreset (a reset drops the root window's properties) on a random display (others sharing
    /tmp may hold :0), then the accessibility bus, its address on the root window before Qt starts;
    then, unless told otherwise, a StatusNotifier host. second: (width, height) of an X screen 1."""
    for number in random.sample(range(100, 1000), 20):
        read_end, write_end = os.pipe()
        more = ["-screen", "1", "%dx%dx24" % second] if second else []
        spawn(["Xvfb", f":{number}", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
               "-screen", "0", f"{width}x{height}x24", *more], "xvfb", pass_fds=(write_end,))
        os.close(write_end)
        # Number and newline come in two writes: closing early ends the server.
        with os.fdopen(read_end, "rb") as reply:
            ready = reply.readline().strip()
        if ready:
            os.environ["DISPLAY"] = ":" + ready.decode()
            break
    else:
        raise AssertionError("Xvfb did not start")
    spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], "at-spi")
    bus = session_bus()
    wait_for("the accessibility bus launcher", lambda: has_owner(bus, "org.a11y.Bus"))
    address = wait_for("the accessibility bus", lambda: dbus_call(
        bus, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", reply="(s)")[0])
    for screen in (0, 1) if second else (0,):
        subprocess.run(["xprop", "-display", f"{os.environ['DISPLAY']}.{screen}", "-root",
                        "-f", "AT_SPI_BUS", "8s", "-set", "AT_SPI_BUS", address], check=True)
    if not tray_host:
        return
    spawn([sys.executable, os.path.abspath(__file__), "--tray-host"], "tray-host")
    wait_for("the tray host", lambda: has_owner(bus, WATCHER))


def has_owner(bus, name):
    return dbus_call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                     "NameHasOwner", GLib.Variant("(s)", (name,)), "(b)")[0]


# --- Tray host ----------------------------------------------------------------

WATCHER = "org.kde.StatusNotifierWatcher"
# What Qt asks of the watcher: whether a host is there, and to register its icon.
WATCHER_XML = f"""<node><interface name="{WATCHER}">
<method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
</interface></node>"""


def run_tray_host():
    """A StatusNotifierWatcher with a host, in a process of its own."""
    items = []

    def on_call(connection, sender, path, interface, method, args, invocation):
        service = args.unpack()[0]
        items.append(sender + service if service.startswith("/") else service)
        invocation.return_value(None)

    def on_get(connection, sender, path, interface, name):
        return GLib.Variant("as", items) if name == "RegisteredStatusNotifierItems" else GLib.Variant("b", True)

    bus = session_bus()
    bus.register_object("/StatusNotifierWatcher", Gio.DBusNodeInfo.new_for_xml(WATCHER_XML).interfaces[0],
                        on_call, on_get, None)
    Gio.bus_own_name_on_connection(bus, WATCHER, Gio.BusNameOwnerFlags.NONE, None, None)
    GLib.MainLoop().run()


class Tray:
    def __init__(self):
        self.bus = session_bus()

    def menu(self):
        """[(id, label)] of the menu's top level; separators are labelled '-'."""
        item = wait_for("a tray icon", lambda: dbus_call(
            self.bus, WATCHER, "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties", "Get",
            GLib.Variant("(ss)", (WATCHER, "RegisteredStatusNotifierItems")), "(v)")[0])[-1]
        self.service, _, path = item.partition("/")
        self.menu_path = dbus_call(self.bus, self.service, "/" + (path or "StatusNotifierItem"),
                                   "org.freedesktop.DBus.Properties", "Get",
                                   GLib.Variant("(ss)", ("org.kde.StatusNotifierItem", "Menu")), "(v)")[0]
        _, layout = dbus_call(self.bus, self.service, self.menu_path, "com.canonical.dbusmenu", "GetLayout",
                              GLib.Variant("(iias)", (0, -1, [])), "(u(ia{sv}av))")
        return [(child, "-" if props.get("type") == "separator" else props.get("label", "").replace("&", ""))
                for child, props, _ in layout[2] if props.get("visible", True)]

    def click(self, label):
        entry = {text: ident for ident, text in self.menu()}[label]
        dbus_call(self.bus, self.service, self.menu_path, "com.canonical.dbusmenu", "Event",
                  GLib.Variant("(isvu)", (entry, "clicked", GLib.Variant("i", 0), 0)))

    def tooltip(self):
        """The icon's tooltip as the host reads it: (title, text)."""
        self.menu()
        _, _, title, text = dbus_call(self.bus, self.service, "/StatusNotifierItem", "org.freedesktop.DBus.Properties",
                                      "Get", GLib.Variant("(ss)", ("org.kde.StatusNotifierItem", "ToolTip")), "(v)")[0]
        return title, text

    def activate(self):
        """One click on the icon, as a StatusNotifier host reports it."""
        self.menu()
        dbus_call(self.bus, self.service, "/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate",
                  GLib.Variant("(ii)", (0, 0)))


# --- Virtual switch ----------------------------------------------------------

class VirtualSwitch:
    def __init__(self, executable, *devices, firmware=False):
        """devices: ("switch", SPEC) or ("other", SPEC); firmware: the firmware service too."""
        self.executable = executable
        self.socket = f"e2e-kvm-sim-{os.getpid()}-{len(started)}"
        args = [executable, "--socket", self.socket, "--trace", os.path.join(ROOT, self.socket + ".trace")]
        args += ["--firmware-service", "0"] * firmware + [a for kind, spec in devices for a in ("--" + kind, spec)]
        process = spawn(args, self.socket, stdout=subprocess.PIPE)
        assert process.stdout.readline().startswith(b"kvm-sim listening on"), "kvm-sim did not start"
        self.firmware_url = process.stdout.readline().split()[-1].decode() if firmware else ""

    def log(self, prefix):
        text = Path(ROOT, self.socket + ".log").read_text(encoding="utf-8", errors="replace")
        return [line for line in text.splitlines() if line.startswith("kvm-sim firmware " + prefix)]

    def firmware_queries(self):
        return [line.split("model=")[1].split()[0] for line in self.log("query:")]

    def ctl(self, *args):
        return subprocess.run([self.executable, "--socket", self.socket, "ctl", *args],
                              check=True, capture_output=True, text=True).stdout

    def state(self, index=1):
        return json.loads(self.ctl("state", str(index)))

    def commands(self, index=1):
        """Every command switch `index` (from 1) received, in order."""
        return self.state(index)["commands"]


# --- The program through the accessibility tree --------------------------------

class Program:
    def __init__(self, executable, switch, *args, wait_shown=True, **extra_env):
        import pyatspi  # only now: it looks for the accessibility bus on this display
        self.pyatspi = pyatspi
        # Any warning ends the program: a QML error is only a warning.
        self.env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_FATAL_WARNINGS="1",
                        PORTVIEW_SIMULATOR=switch.socket, PORTVIEW_FIRMWARE_URL=switch.firmware_url)
        self.env.update({"QT_QPA_PLATFORM": "xcb", **extra_env})
        self.process = spawn([executable, *args], "program", env=self.env)
        self._app = None
        wait_for("the program in the accessibility tree", self.app)
        if wait_shown:
            wait_for("the window", self.shown)

    def app(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended with {self.process.returncode}; see program.log")
        if self._app is None:
            self._app = next((app for app in self.pyatspi.Registry.getDesktop(0)
                              if app is not None and app.get_process_id() == self.process.pid), None)
        return self._app

    def elements(self, role=None, name=None, under=None):
        """Showing elements, depth first, optionally of one role and name, optionally only under one."""
        found = []

        def walk(node):
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is None or not child.getState().contains(self.pyatspi.STATE_SHOWING):
                    continue
                if (role is None or child.getRoleName() in ROLES[role]) and (name is None or child.name == name):
                    found.append(child)
                walk(child)
        pump()
        walk(under or self.app())
        return found

    def find(self, role, name, timeout=10.0):
        return wait_for(f"{role} \"{name}\"", lambda: self.elements(role, name), timeout)[0]

    def gone(self, role, name, timeout=10.0):
        wait_for(f"{role} \"{name}\" to go", lambda: not self.elements(role, name), timeout)

    def finds(self, *texts):
        for text in texts:
            self.find("text", text)

    def starting(self, prefix):
        return [t for t in self.elements("text") if t.name.startswith(prefix)]

    def press(self, name, role="button", last=False):
        """last: the topmost of several (a dialog's lies above the page's and comes after it)."""
        (self.elements(role, name)[-1] if last else self.find(role, name)).queryAction().doAction(0)

    def alert(self, message, answer="OK"):
        self.find("text", message, timeout=20)
        self.press(answer)
        self.gone("text", message)

    def cards(self):
        """{model name: description} of the device cards on the home page."""
        return {card.name: card.description for card in self.elements("button") if card.name.startswith("QV")}

    def windows(self, *options):
        return subprocess.run(["xdotool", "search", "--all", "--pid", str(self.process.pid), *options],
                              capture_output=True, text=True).stdout.split()

    def shown(self):
        """The program's mapped main window, as the X server sees it (an X tray's icon is a window too)."""
        return self.windows("--onlyvisible", "--name", " Portview$")

    def minimised(self):
        """Mapped and marked hidden, as a window manager then shows it: iconified."""
        return any("_NET_WM_STATE_HIDDEN" in subprocess.run(["xprop", "-id", window, "_NET_WM_STATE"],
                                                            capture_output=True, text=True).stdout
                   for window in self.shown())

    def tray_icon(self):
        """The icon's window, once an X tray has taken it in (it has no name)."""
        return [w for w in self.windows("--onlyvisible") if w not in self.shown()]

    def extents(self, element):
        box = element.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def frame(self):
        return self.extents(self.elements("frame")[0])

    def checked(self, name):
        return self.find("check", name).getState().contains(self.pyatspi.STATE_CHECKED)

    def click(self, element):
        """A real mouse click in the middle of the element."""
        x, y, width, height = self.extents(element)
        subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"], check=True)


ROLES = {"button": ("push button",), "text": ("label", "static"), "frame": ("frame", "window", "dialog"),
         "check": ("check box",), "image": ("image", "icon"), "field": ("text", "entry"), "combo": ("combo box",),
         "item": ("list item",), "dialog": ("dialog", "alert")}


# --- Files the program writes -----------------------------------------------------

DATA = os.path.join(os.environ.get("XDG_DATA_HOME", ""), "Vemo", "Vemo Portview")


def read_ini(path):
    parser = configparser.RawConfigParser()
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    return {section: dict(parser[section]) for section in parser.sections()}


def write_ini(path, groups):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as out:
        for group, values in groups.items():
            out.write(f"[{group}]\n" + "".join(f"{k}={v}\n" for k, v in values.items()) + "\n")


NOT_SAVED = "The change could not be saved: the home folder is full or read-only."


def config():
    return read_ini(os.path.join(DATA, "config.ini"))


def write_config(**groups):
    write_ini(os.path.join(DATA, "config.ini"), groups)


@contextlib.contextmanager
def unwritable_config():
    """config.ini out of reach (a folder in its place) for the changes made inside."""
    ini = os.path.join(DATA, "config.ini")
    os.rename(ini, ini + ".away")
    os.mkdir(ini)
    try:
        yield
    finally:
        os.rmdir(ini)
        os.rename(ini + ".away", ini)


def known(hotkey=HOTKEY, silent="0", autocheck="0"):
    """A model's group as the program leaves it after its first run."""
    return dict(firstrun="0", hotkey=hotkey, silent=silent, autocheck=autocheck)


def key(*chords):
    subprocess.run(["xdotool", "key", *chords], check=True)


REGISTRY = os.path.join(os.environ.get("XDG_CONFIG_HOME", ""), "Vemo", "registry.ini")
SOUND_KEY = "AppEvents\\Schemes\\Apps\\.Default\\Device{}\\.{}\\."
SOUND_EVENTS = (("connect", "Connect"), ("disconnect", "DisConnect"), ("fail", "Fail"))


def current_sounds():
    values = read_ini(REGISTRY).get("HKEY_CURRENT_USER", {})
    return {event: values.get(SOUND_KEY.format(key, "Current")) for event, key in SOUND_EVENTS}


def system_sounds():
    """Writes the system's sounds, defaults and the same in use; returns them."""
    sounds = {"connect": "ding.wav", "disconnect": "dong.wav", "fail": ""}
    write_ini(REGISTRY, {"HKEY_CURRENT_USER": {SOUND_KEY.format(key, kind): sounds[event]
                                               for event, key in SOUND_EVENTS for kind in ("Current", "Default")}})
    return sounds


def muted(sounds):
    wait_for("the sounds muted", lambda: current_sounds() == dict.fromkeys(sounds, ""))


# --- Screenshots -------------------------------------------------------------------

class Screenshot:
    """The whole screen, read from xwd's dump (TrueColor, 32 bits a pixel)."""

    def __init__(self):
        data = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
        header = struct.unpack(">25I", data[:100])
        size, byte_order, bits, self.stride, ncolors = header[0], header[7], header[11], header[12], header[19]
        # With windows of several visuals on screen xwd packs 24 bits a pixel.
        assert bits in (24, 32), f"xwd gave {bits} bits a pixel"
        self.bytes, self.masks, self.order = bits // 8, header[14:17], "big" if byte_order else "little"
        self.pixels = data[size + 12 * ncolors:]

    def rgb(self, x, y):
        at = y * self.stride + x * self.bytes
        value = int.from_bytes(self.pixels[at:at + self.bytes], self.order)
        return tuple((value & mask) // (mask & -mask) for mask in self.masks)

    def colour(self, x0, y0, x1, y1):
        """The commonest colour in a box, as "#rrggbb"."""
        count = collections.Counter(self.rgb(x, y) for y in range(y0, y1, 2) for x in range(x0, x1, 2))
        return "#%02x%02x%02x" % count.most_common(1)[0][0]

    def save_png(self, path, x, y, width, height):
        rows = b"".join(b"\0" + bytes(c for px in range(x, x + width) for c in self.rgb(px, py))
                        for py in range(y, y + height))

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
        ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
        Path(path).write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(rows, 9))
                               + chunk(b"IEND", b""))


def stub_browser():
    """xdg-open and $BROWSER noting the addresses; call before the program starts."""
    folder, record = os.path.join(ROOT, "browser"), os.path.join(ROOT, "opened.txt")
    os.makedirs(folder, exist_ok=True)
    script = os.path.join(folder, "xdg-open")
    Path(script).write_text(f'#!/bin/sh\necho "$1" >> "{record}"\n')
    os.chmod(script, 0o755)
    os.environ["PATH"] = folder + os.pathsep + os.environ["PATH"]
    os.environ["BROWSER"] = script
    return lambda: open(record).read().split() if os.path.exists(record) else []


def web_pages(opened, count):
    """Waits for `count` distinct https pages under example.com."""
    pages = wait_for(f"{count} web pages", lambda: len(opened()) >= count and opened())
    urls = [urllib.parse.urlsplit(page) for page in pages]
    assert len(set(pages)) == count and all(
        u.scheme == "https" and u.hostname.endswith(".example.com") for u in urls), pages


# --- Flows -------------------------------------------------------------------------

def connected_cards(program, expected, timeout=15.0):
    """Waits until the cards are exactly `expected` ({model: connected?})."""
    wait_for(f"the cards {expected}",
             lambda: {name: desc == "Connected" for name, desc in program.cards().items()} == expected, timeout)


def check_theme(program, title_bar, logo_bar=None, page=None, card=None, save_as=None):
    x, y, width, height = program.frame()
    shot = Screenshot()
    close_x = program.extents(program.find("button", "Close"))[0]
    boxes = {"title bar": (title_bar, (x + 200, y + 4, close_x - 60, y + 28)),
             "logo bar": (logo_bar, (x + 200, y + 40, x + width - 80, y + 68)),
             "page": (page, (x + 10, y + height - 40, x + width - 10, y + height - 10))}
    if card:
        cx, cy, cw, ch = program.extents(program.find("button", card))
        boxes["card"] = ("#ebebeb", (cx + 14, cy + ch // 2, cx + cw - 14, cy + ch - 14))
    wanted = {name: colour for name, (colour, _) in boxes.items() if colour}
    seen = {name: shot.colour(*boxes[name][1]) for name in wanted}
    assert seen == wanted, f"theme colours {seen}"
    if save_as:
        shot.save_png(save_as, x, y, width, height)


QV5830, QV5840 = ("switch", "model=QV5830,pid=0001"), ("switch", "model=QV5840,pid=0002")


def start(program_exe, sim_exe, *devices, cards, firmware=False, **env):
    """The virtual switch with `devices`, then the program, until its cards are `cards`."""
    switch = VirtualSwitch(sim_exe, *devices, firmware=firmware)
    program = Program(program_exe, switch, **env)
    connected_cards(program, cards)
    return switch, program


def hand_over(program, switch, chord, remaining=None, index=1):
    """The hotkey hands switch `index` to the other computer: its card goes;
    another switch still here connects within 3 s."""
    key(chord)
    wait_for("sw i01", lambda: "sw i01" in switch.commands(index))
    connected_cards(program, remaining or {}, timeout=3.0 if remaining else 15.0)


def flow_home(program_exe, sim_exe):
    """Two switches and a mouse: cards, connection, defaults, the hotkey, the
    connected switch leaving, the guide of a model without settings, the tray."""
    write_config(QV5830=known("Ctrl + Alt + K"))
    switch, program = start(program_exe, sim_exe, QV5830, ("other", "vid=046D,pid=C52B,product=Mouse"), QV5840,
                            cards={"QV5830": True, "QV5840": False})
    wait_for("the status read", lambda: "read" in switch.commands(1))
    assert switch.commands(2) == [], f"the second switch was spoken to: {switch.commands(2)}"

    wait_for("the System defaults written back", lambda: config().get("System", {}).get("language"))
    ini = config()
    assert {k: ini["System"].get(k) for k in ("autorun", "language")} == {"autorun": "1", "language": "0"}, ini
    assert "QV5840" not in ini, ini
    program.find("image", "Connected")

    check_theme(program, "#f0f0f0", page="#fbfbfb", card="QV5830",
                save_as=os.environ.get("PORTVIEW_SCREENSHOT"))

    # The connected switch goes to the other computer: the one still here
    # connects, with the defaults of a model that has no settings of its own
    # (not the previous model's), written back.
    hand_over(program, switch, "ctrl+alt+k", {"QV5840": True})
    wait_for("the defaults written back", lambda: config().get("QV5840", {}).get("autocheck"))
    assert config()["QV5840"] == dict(known(), firstrun="1"), config()
    # A round trip by its hotkey before the first click: the guide is still due.
    hand_over(program, switch, "shift+alt+s", index=2)
    switch.ctl("set", "2", "port=1")
    connected_cards(program, {"QV5840": True})
    assert config()["QV5840"]["firstrun"] == "1", config()
    program.press("QV5840")
    program.find("text", "Hardware Overview")
    wait_for("firstrun = 0", lambda: config()["QV5840"]["firstrun"] == "0")
    program.press("Skip")
    program.press("Home")

    # The first switch back: the one connected stays; its hotkey hands it
    # over and the first connects again.
    reads = switch.commands(1).count("read")
    switch.ctl("set", "1", "port=1")
    connected_cards(program, {"QV5830": False, "QV5840": True})
    hand_over(program, switch, "shift+alt+s", {"QV5830": True}, index=2)
    wait_for("the status read again", lambda: switch.commands(1).count("read") > reads)
    assert config()["QV5830"] == known("Ctrl + Alt + K"), config()

    # The other switch unplugged: this one stays connected.
    switch.ctl("set", "2", "port=1")
    connected_cards(program, {"QV5830": True, "QV5840": False})
    switch.ctl("unplug", "2")
    connected_cards(program, {"QV5830": True})

    # The close cross hides the window to the tray (which a shown start
    # creates after its first frame); a second start brings it back.
    assert Tray().menu(), "no tray icon"
    program.press("Close")
    wait_for("the window to hide", lambda: not program.shown())
    second = subprocess.run([program_exe], env=program.env, timeout=30)
    assert second.returncode == 0, f"the second copy ended with {second.returncode}"
    wait_for("the window to come back", program.shown)


def flow_tray(program_exe, sim_exe):
    """Started hidden, silent removal on: the tray menu; "Quit" asks, "OK" gives the sounds back."""
    sounds = system_sounds()
    write_config(System=dict(autorun="1", language="0"), QV5830=known(silent="1"))
    switch = VirtualSwitch(sim_exe, QV5830)
    program = Program(program_exe, switch, "-h", wait_shown=False)
    tray = Tray()
    assert [label for _, label in tray.menu()] == ["Vemo Portview", "-", "Preferences", "Quit"], tray.menu()
    muted(sounds)
    assert not program.shown(), "started with -h, yet a window shows"

    # A StatusNotifier host reports one activation per click, and never a
    # double click: that one opens the window.
    tray.activate()
    wait_for("the window", program.shown)
    program.press("Close")
    wait_for("the window to hide", lambda: not program.shown())
    tray.click("Vemo Portview")
    wait_for("the window", program.shown)
    message = "Are you sure you want to quit Vemo Portview?"
    tray.click("Quit")
    program.alert(message, "Cancel")

    tray.click("Quit")
    program.find("text", message)
    program.press("OK")
    assert program.process.wait(10) == 0, f"the program ended with {program.process.returncode}"
    assert current_sounds() == sounds, f"sounds after quitting: {current_sounds()}"


def flow_xtray(program_exe, sim_exe):
    """No StatusNotifier host: without any tray the window minimises instead of hiding; an X tray
    (trayer) takes the icon, whose double click opens the window; the tray gone, a hidden window
    comes back minimised."""
    switch = VirtualSwitch(sim_exe, QV5830)
    program = Program(program_exe, switch, "-h", wait_shown=False)
    wait_for("the hidden start minimised", program.minimised)

    def second_start():
        assert subprocess.run([program_exe], env=program.env, timeout=30).returncode == 0
        window = wait_for("the window", program.shown)[0]
        # There is no window manager: it would drop the mark when the window comes back.
        subprocess.run(["xprop", "-id", window, "-remove", "_NET_WM_STATE"], check=True)

    second_start()
    program.press("Close")
    wait_for("the close cross to minimise", program.minimised)
    second_start()

    trayer = spawn(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24"],
                   "trayer")
    icon = wait_for("the icon in the X tray", program.tray_icon)[0]
    log = Path(DATA, "log.txt")
    wait_for("the tray seen", lambda: "A tray shows the icon." in log.read_text(encoding="utf-8", errors="replace"))
    program.press("Close")
    wait_for("the close cross to hide", lambda: not program.shown())
    subprocess.run(["xdotool", "mousemove", "--window", icon, "11", "11", "click", "1"], check=True)
    time.sleep(1)  # past the double-click interval
    assert not program.shown(), "one click on the X tray's icon opened the window"
    subprocess.run(["xdotool", "click", "--repeat", "2", "--delay", "100", "1"], check=True)
    wait_for("the double click to open the window", program.shown)
    program.press("Close")
    wait_for("the window to hide", lambda: not program.shown())

    trayer.terminate()
    wait_for("the window back minimised with the tray gone", program.minimised)


def shoot(program, name):
    """Saves the window as PORTVIEW_SHOTS/name.png when that folder is set."""
    shots = os.environ.get("PORTVIEW_SHOTS")
    if shots:
        Screenshot().save_png(os.path.join(shots, name + ".png"), *program.frame())


def flow_brand(program_exe, sim_exe):
    """The sister brand: its theme (a card that cannot be opened too), guide, no video row, no user
    manual, row 2 a web page."""
    opened = stub_browser()
    _, program = start(program_exe, sim_exe, QV5830, ("switch", "model=QV5840,pid=0002,refuse-open=busy"),
                       cards={"QV5830": True, "QV5840": False})
    check_theme(program, "#000000", logo_bar="#272727")
    shoot(program, "hollin_home")
    # The focus ring in this theme's colour, on a card reached with Tab.
    subprocess.run(["xdotool", "windowfocus", "--sync", program.shown()[0]], check=True)
    program.find("button", "QV5830")
    for _ in range(10):
        key("Tab")
        if wait_for("the focus", lambda: program.elements("button", "QV5830"))[0].getState().contains(
                program.pyatspi.STATE_FOCUSED):
            break
    else:
        raise AssertionError("Tab never reached the card")
    shoot(program, "hollin_focus_card")
    program.press("QV5830")
    program.find("text", "Hardware Overview")
    shoot(program, "hollin_guide")
    program.press("Next")
    program.press("Next")
    program.find("text", "Make sure each device has installed Hollin Portview and connected to Hollin KVM correctly.")
    program.press("Finish")
    program.find("button", "Device")
    program.find("check", "USB Silent Removal")
    assert not program.elements("check", "Video Fitwell"), "the maker's video row shows in the sister brand"
    shoot(program, "hollin_device")

    program.press("Support")
    program.find("text", "Knowledgebase and Customer Support")
    assert not program.elements("text", "User Manual"), "the sister brand shows the user manual"
    shoot(program, "hollin_support")
    program.press("FAQ")
    web_pages(opened, 1)
    program.press("Support & Additional Contacts")
    web_pages(opened, 2)
    assert not program.elements("field", "Search"), "the sister brand opened the FAQ page"


def flow_support(program_exe, sim_exe):
    """Support and the FAQ with a QV5840: rows, web pages, searches typed, the guide from there."""
    opened = stub_browser()
    write_config(QV5840=known())
    _, program = start(program_exe, sim_exe, QV5840, cards={"QV5840": True})
    program.press("QV5840")
    program.press("Support")
    program.press("User Manual")
    program.press("eService Help")
    web_pages(opened, 2)
    assert not program.elements("text", "Log Export"), "the hidden row shows"
    shoot(program, "support")

    program.press("FAQ")

    def questions():
        return [b.name for b in program.elements("button") if re.match(r"Q\d\. ", b.name)]
    # All answers start open, so only the first entries are in view.
    wait_for("the questions naming QV5840", lambda: questions() and all("QV5840" in q for q in questions()))
    shoot(program, "faq")

    field = program.find("field", "Search")
    assert field.getState().contains(program.pyatspi.STATE_FOCUSED), "the search field has no focus"
    subprocess.run(["xdotool", "windowfocus", "--sync", program.shown()[0]], check=True)

    def search(typed, found, enter=True):
        key("ctrl+a", "BackSpace")
        if typed:
            subprocess.run(["xdotool", "type", "--delay", "30", typed], check=True)
        if enter:
            key("Return")
        return wait_for(f"the questions found by \"{typed}\"", lambda: found(questions()))
    # An empty search keeps all seven, closed: now they fit in view.
    asked = search("", lambda found: len(found) == 7 and found)
    assert all("QV5840" in q for q in asked[:6]) and not [q for q in asked if "QV5830" in q], asked
    lane_answer = "Long press port selection button"
    # The list follows the typing, without Enter; a search that finds
    # nothing says so.
    search("LANE", lambda found: found == asked[5:6], enter=False)
    assert not program.starting(lane_answer), "not collapsed"
    program.press(asked[5])
    wait_for("the answer", lambda: program.starting(lane_answer))
    search("(", lambda found: found == [])
    program.find("text", "No questions match your search.")
    search("QV5840", lambda found: found == asked[:6])
    program.gone("text", "No questions match your search.")

    program.press("Back")
    program.press("Start")
    program.find("text", "Hardware Overview")
    for step in ("Next", "Next", "Finish"):
        program.press(step)
    program.find("text", "Quick Start Guide")
    assert not program.elements("text", "Switch Hotkey"), "the guide opened the frame on \"Device\""


def active_port(program, label, model):
    """The Device page and the tray's tooltip name `label` as the active port of `model`."""
    wait_for(f"{label} active", lambda: [t for t in program.elements("text", label) if t.description == "Active"])
    assert [t.description for t in program.elements("text") if t.name.startswith("Port ")].count("Active") == 1
    tooltip = f"Vemo Portview\n{model}: {label}"
    wait_for(f"the tooltip {tooltip!r}", lambda: tooltip in Tray().tooltip())


def flow_device(program_exe, sim_exe):
    """The guide once, the Device page's rows and active port, the firmware check once per connection,
    a switch that cannot be opened until "Try again", Reset, unplugging, the port after a hand-over."""
    sounds = system_sounds()
    write_config(QV5830=dict(autocheck="1"), QV5840=known("Ctrl + Alt + K", autocheck="1"))
    switch, program = start(program_exe, sim_exe, ("switch", "model=QV5830,pid=0001,fw=V1.0.9,offer=V1.0.9"),
                            ("switch", "model=QV5840,pid=0002,refuse-open=permission,name2=Laptop"),
                            firmware=True, cards={"QV5830": True, "QV5840": False})
    # The second switch is there but may not be opened: its card says why,
    # with the command that installs the udev rule.
    assert program.cards()["QV5840"].startswith("This switch cannot be opened. Your user may not use it: "
                                                "the udev rule"), program.cards()
    command = program.find("field", "Command that installs the udev rule").description
    assert "70-vemo-portview.rules" in command and "udevadm trigger" in command, command

    # The first card click opens the guide, this once; "Skip" leads on.
    program.press("QV5830")
    program.find("text", "Hardware Overview")
    assert not program.elements("button", "Back"), "\"Back\" shows on the first step"
    program.press("Next")
    program.find("text", "Installation")
    shoot(program, "guide")
    program.press("Skip")
    program.find("button", "Device")
    _, frame_y, _, _ = program.frame()
    titles = [t for t in program.elements("text", "QV5830") if program.extents(t)[1] - frame_y in range(32, 80)]
    assert titles, "the model name is not in the title strip"
    wait_for("the automatic firmware check", lambda: switch.firmware_queries() == ["QV5830"])
    active_port(program, "Port 1 (PC1)", "QV5830")
    shoot(program, "device")

    # Video Fitwell asks before it turns on; turning it off sends at once.
    note = ("If you encounter any monitor compatibility issues when the Video Fitwell is enabled, "
            "please disable Video Fitwell.")
    program.press("Video Fitwell", role="check")
    program.find("text", note)
    shoot(program, "confirm")
    program.alert(note, "Cancel")
    assert not program.checked("Video Fitwell")
    assert not [c for c in switch.commands(1) if c.startswith("videoswmode")], switch.commands(1)
    program.press("Video Fitwell", role="check")
    program.press("OK")
    wait_for("videoswmode faster", lambda: "videoswmode faster" in switch.commands(1))
    wait_for("the switch on", lambda: program.checked("Video Fitwell"))

    # A switch that takes no command: the row keeps its value. Right after a
    # heartbeat, so the next one finds the switch answering again.
    beats = switch.commands(1).count("test")
    wait_for("a heartbeat", lambda: switch.commands(1).count("test") > beats)
    switch.ctl("set", "1", "failsend=1")
    program.press("Video Fitwell", role="check")
    program.find("text", "The operation failed")
    switch.ctl("set", "1", "failsend=0")
    assert program.checked("Video Fitwell"), "a refused command turned the row off"
    program.press("OK")

    program.press("Video Fitwell", role="check")
    wait_for("videoswmode normal", lambda: switch.commands(1)[-1] == "videoswmode normal")
    wait_for("the switch off", lambda: not program.checked("Video Fitwell"))

    program.press("USB Silent Removal", role="check")
    wait_for("silent = 1", lambda: config()["QV5830"].get("silent") == "1")
    muted(sounds)
    assert program.checked("USB Silent Removal")

    # A change config.ini cannot take is said.
    with unwritable_config():
        program.press("USB Silent Removal", role="check")
        program.alert(NOT_SAVED)
    program.press("USB Silent Removal", role="check")
    wait_for("silent = 1", lambda: config()["QV5830"].get("silent") == "1")

    # Home and back in the same connection: no second query.
    program.press("Home")
    program.gone("button", "Device")
    program.press("QV5830")
    program.find("button", "Device")
    assert switch.firmware_queries() == ["QV5830"], switch.firmware_queries()
    program.press("Home")

    # The switch that cannot be opened: a click on its card tries it again
    # and stays on the home page; "Try again" tells a new reason, and
    # connects it, as a click on its card would, once it opens.
    subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)  # no hover on the shot
    shoot(program, "refused")
    program.press("QV5840")
    wait_for("still not opened", lambda: program.cards()["QV5840"].startswith("This switch still cannot be opened."))
    assert not program.elements("button", "Device"), "a switch that cannot be opened opened the device page"
    switch.ctl("set", "2", "refuse-open=busy")
    program.press("Try again")
    wait_for("the busy reason", lambda: "Another program is using it." in program.cards()["QV5840"])
    assert not program.elements("field", "Command that installs the udev rule"), "a command for a busy switch"
    switch.ctl("set", "2", "refuse-open=none")
    program.press("Try again")
    connected_cards(program, {"QV5830": False, "QV5840": True})
    assert switch.state(2)["present"], switch.state(2)
    wait_for("the status read", lambda: "read" in switch.commands(2))
    # A card that looked fine but cannot be opened when clicked says why,
    # and the switch connected before stays connected: its hotkey works on.
    switch.ctl("set", "1", "refuse-open=busy")
    program.press("QV5830")
    wait_for("the busy reason", lambda: "Another program is using it." in program.cards()["QV5830"])
    connected_cards(program, {"QV5830": False, "QV5840": True})
    switch.ctl("set", "1", "refuse-open=none")

    # The second switch: its own connection, its own check, its own hotkey.
    program.press("QV5840")
    program.find("button", "Device")
    active_port(program, "Port 1 (PC1)", "QV5840")
    program.find("text", "Port 2 (Laptop)")
    program.finds("Ctrl", "Alt", "K")
    wait_for("the second switch's check", lambda: switch.firmware_queries() == ["QV5830", "QV5840"])
    program.press("Reset")
    program.find("text", "Are you sure you want to reset the device setting to factory default?")
    program.press("Reset", last=True)
    program.find("text", "Reset success!")
    assert "clearallsetting" in switch.commands(2), switch.commands(2)
    program.press("OK")
    program.finds("Shift", "Alt", "S")

    # Unplugged while the frame is open: back to the home page, where the
    # switch still here connects within 3 s and its hotkey hands it over.
    switch.ctl("unplug", "2")
    program.gone("button", "Device")
    connected_cards(program, {"QV5830": True}, timeout=3.0)
    hand_over(program, switch, "shift+alt+s")
    wait_for("the tooltip without a switch", lambda: Tray().tooltip()[0] == "Vemo Portview")
    shoot(program, "search_again")
    program.press("Search again")
    program.find("text", "No device detected Please check the connection to the device.")
    # This computer on port 2 instead: the switch comes back there.
    switch.ctl("set", "1", "host=2")
    connected_cards(program, {"QV5830": True})
    program.press("QV5830")
    program.find("button", "Device")
    active_port(program, "Port 2 (PC2)", "QV5830")

    # A switch that leaves 0.3 s after it connected: its page closes within 3 s.
    program.press("Home")
    program.gone("button", "Device")
    switch.ctl("plug", "2")
    connected_cards(program, {"QV5830": True, "QV5840": False})
    program.press("QV5840")
    pressed = time.monotonic()
    program.find("button", "Device")
    time.sleep(max(0.0, pressed + 0.3 - time.monotonic()))
    switch.ctl("unplug", "2")
    program.gone("button", "Device", timeout=3.0)


def press_keys(*keys):
    """Holds the keys down in order, then lets them go in reverse."""
    args = [a for key in keys for a in ("keydown", key)] + [a for key in reversed(keys) for a in ("keyup", key)]
    subprocess.run(["xdotool", *args], check=True)


def flow_prefs(program_exe, sim_exe, build_version):
    """The version, start at log-on, the hotkey editor with real keys, Traditional Chinese."""
    write_config(System=dict(autorun="1", language="0"), QV5830=known())
    switch, program = start(program_exe, sim_exe, QV5830, cards={"QV5830": True})
    # Never installed: the program writes its own log-on entry (its Exec
    # line: tst_processinfo and autostart_install).
    entry = os.path.join(os.environ["XDG_CONFIG_HOME"], "autostart", "Vemo Portview.desktop")
    wait_for("the log-on entry", lambda: os.path.exists(entry))

    program.press("Preferences")
    program.find("text", " V%d.%d.%03d" % tuple(map(int, build_version.split(".")[:3])))
    shoot(program, "preferences")
    assert program.checked("Launch at Startup")
    program.press("Launch at Startup", role="check")
    wait_for("the entry removed", lambda: not os.path.exists(entry))
    wait_for("autorun = 0", lambda: config()["System"].get("autorun") == "0")
    assert not program.checked("Launch at Startup")
    with unwritable_config():
        program.press("Launch at Startup", role="check")
        program.alert(NOT_SAVED)
    wait_for("the entry back", lambda: os.path.exists(entry))
    assert config()["System"].get("autorun") == "0"
    program.press("Back")

    # The editor: a valid capture cancelled changes nothing.
    program.press("QV5830")
    program.press("Edit")
    field = program.find("field", "Device Switch")

    def capture(*keys):
        program.click(field)
        press_keys(*keys)

    def field_text():
        pump()
        return field.queryText().getText(0, -1)

    assert field_text() == HOTKEY, field_text()
    error = "Please enter combination key."
    capture("ctrl", "alt", "k")
    wait_for("Ctrl + Alt + K", lambda: field_text() == "Ctrl + Alt + K")
    program.press("Cancel")
    program.gone("button", "Save")
    program.press("Edit")
    field = program.find("field", "Device Switch")
    assert field_text() == HOTKEY, f"Cancel changed the hotkey to {field_text()}"

    # Every capture that is no combination is refused, and a click on "Save"
    # then does nothing; a sixth key is dropped.
    for keys, shown, accepted in ((("k",), "K", False), (("k", "ctrl"), "K + Ctrl", False),
                                  (("ctrl", "alt"), "Ctrl + Alt", False),
                                  (("ctrl", "shift", "alt", "super", "a", "b"), "Ctrl + Shift + Alt + Win + A", True),
                                  (("ctrl", "alt", "k"), "Ctrl + Alt + K", True)):
        capture(*keys)
        wait_for(shown, lambda: field_text() == shown)
        if accepted:
            program.gone("text", error)
        else:
            program.find("text", error)
            program.click(program.find("button", "Save"))
            program.find("field", "Device Switch")
            assert config()["QV5830"]["hotkey"] == HOTKEY, f"{shown} was saved"
    shoot(program, "editor")
    program.press("Save")
    program.gone("button", "Save")
    wait_for("the new hotkey stored", lambda: config()["QV5830"].get("hotkey") == "Ctrl + Alt + K")
    program.finds("Ctrl", "Alt", "K")

    # Only the new hotkey hands the switch over.
    key("shift+alt+s")
    beats = switch.commands(1).count("test")
    wait_for("two heartbeats", lambda: switch.commands(1).count("test") >= beats + 2)
    assert not [c for c in switch.commands(1) if c.startswith("sw ")], switch.commands(1)
    hand_over(program, switch, "ctrl+alt+k")

    # Traditional Chinese: the page and the home page at once, and after a restart.
    program.press("Preferences")
    program.click(program.find("combo", "Language"))
    program.click(program.find("item", "中文(繁體)"))
    wait_for("language = 1", lambda: config()["System"].get("language") == "1")
    program.find("text", "版本")
    shoot(program, "preferences_zh")
    program.press("返回")
    wait_for("\"未偵測到裝置\"", lambda: program.starting("未偵測到裝置"))
    program.gone("text", "選擇裝置")
    program.process.terminate()
    program.process.wait(10)
    switch.ctl("set", "1", "port=1")
    program = Program(program_exe, switch)
    program.find("text", "選擇裝置")
    connected_cards(program, {"QV5830": True})
    program.press("QV5830")
    program.find("button", "裝置")
    shoot(program, "device_zh")


def type_into_dialog(program, title, path, folder, listed=None, offered=""):
    """Types `path` into the file dialog `title`, opened in `folder` (where
    the file `listed` shows) with the name `offered` in its field, and accepts
    it; with `path` None the offered name is accepted."""
    wait_for(f"the dialog \"{title}\"", lambda: program.elements("frame", title))
    field = wait_for("the file name field", lambda: program.elements("field", "File name:"))[0]
    program.find("combo", folder)
    if listed:
        wait_for(f"{listed} in the list", lambda: program.elements(name=listed))
    if offered:
        wait_for(f"the name {offered} offered", lambda: field.queryText().getText(0, -1) == offered)
    if path is not None:
        # The dialog has the keyboard focus, on its file name field.
        subprocess.run(["xdotool", "key", "ctrl+a", "BackSpace"], check=True)
        subprocess.run(["xdotool", "type", "--delay", "10", path], check=True)
        wait_for("the name typed", lambda: field.queryText().getText(0, -1) == path)
    program.press("Save" if title == "Input the file name" else "Open")
    program.gone("frame", title)


def flow_maintenance(program_exe, sim_exe):
    """Backup, reset and restore, files that must not restore; the firmware offer, refused
    and failed downloads, and the whole upgrade by the virtual tool."""
    model, old, new = "QV5830", "V1.0.9", "V1.0.10"
    write_config(**{model: known("Ctrl + Alt + K", silent="1")})
    switch, program = start(program_exe, sim_exe, ("switch", f"model={model},pid=0001,fw={old},offer={new}"),
                            firmware=True, cards={model: True}, PORTVIEW_DOWNLOAD_TIMEOUT="3000")
    vemocrypt = os.path.join(os.path.dirname(os.path.dirname(sim_exe)), "vemocrypt", "vemocrypt")

    def open_maintenance():
        program.press(model)
        program.press("Maintenance")
        program.find("text", "Check for latest version.")

    alert = program.alert
    open_maintenance()
    program.find("text", "Firmware Version " + old)
    shoot(program, "maintenance")

    # Backup: the file dialog, the encrypted file (named without its
    # extension, which it gets), no plain copy left behind.
    folder = os.path.join(os.environ["HOME"], "My Backups")
    os.makedirs(folder)
    backup = os.path.join(folder, "portview settings.kvm")
    program.press("Backup")
    type_into_dialog(program, "Input the file name", backup[:-len(".kvm")],
                     os.path.join(os.environ["HOME"], "Documents", "Vemo", "Vemo Portview"),
                     offered=time.strftime(f"{model}-%Y-%m-%d.kvm"))
    alert("Backup successfully!")
    assert sorted(os.listdir(folder)) == ["portview settings.kvm"], os.listdir(folder)
    plain = os.path.join(os.environ["TMPDIR"], "backup.json")
    subprocess.run([vemocrypt, "decrypt", backup, plain], check=True)
    def settings(name, hotkey, silent):
        return '{"modelname":"%s","settings":{"hotkey":"%s","silent":%d,"safely":0}}' % (name, hotkey, silent)
    assert Path(plain).read_text(encoding="utf-8") == settings(model, "Ctrl + Alt + K", 1)
    assert not os.path.exists(os.path.join(DATA, "kvm.temp")), "the settings stayed in clear text"

    # A reset changes the settings; the restore brings them back at once.
    program.press("Device")
    program.press("Reset")
    program.press("Reset", last=True)
    alert("Reset to default successfully!")
    assert config()[model]["hotkey"] == HOTKEY and config()[model]["silent"] == "0", config()
    program.press("Maintenance")
    program.press("Restore")
    type_into_dialog(program, "Select a file", backup, folder, listed="portview settings.kvm")
    alert("Setting from [portview settings.kvm] restored successfully!")
    assert config()[model]["hotkey"] == "Ctrl + Alt + K" and config()[model]["silent"] == "1", config()
    assert not os.path.exists(os.path.join(DATA, "kvm.temp")), "the settings stayed in clear text"

    # Files that must not restore, each with its reason: another model's
    # backup, a damaged one, a file that is no backup at all.
    other_model, damaged, no_backup = (os.path.join(folder, n) for n in ("other.kvm", "damaged.kvm", "notes.kvm"))
    Path(plain).write_text(settings("QV5840", "Ctrl + Alt + W", 0), encoding="utf-8")
    subprocess.run([vemocrypt, "encrypt", plain, other_model], check=True)
    data = Path(backup).read_bytes()
    Path(damaged).write_bytes(data[:len(data) // 2] + bytes(b ^ 0x5A for b in data[len(data) // 2:]))
    Path(no_backup).write_text("shopping list\n", encoding="utf-8")
    before = config()
    for path, reason in ((other_model, "The backup was made for another model."),
                         (damaged, "The backup file is damaged."), (no_backup, "The file is not a settings backup.")):
        program.press("Restore")
        type_into_dialog(program, "Select a file", path, folder)
        program.find("text", reason)
        alert("Failed to restore setting.")
        assert config() == before, (path, config())

    # A second backup is offered a new name beside the file last restored,
    # never that file's own name.
    program.press("Backup")
    offered = time.strftime(f"{model}-%Y-%m-%d.kvm")
    type_into_dialog(program, "Input the file name", None, folder, offered=offered)
    alert("Backup successfully!")
    assert Path(folder, offered).read_bytes()[:4] == b"GVLU" and Path(backup).read_bytes() == data

    # The restored hotkey is the one the keyboard watch uses.
    hand_over(program, switch, "ctrl+alt+k")
    switch.ctl("set", "1", "port=1")
    connected_cards(program, {model: True})

    # The offer and its three answers, each stored for the next connection.
    open_maintenance()

    def offer():
        program.press("Check")
        program.find("text", "New Firmware Version")
        program.find("text", "Offered version: " + new)

    # The server's texts are shown as they stand, never as markup.
    switch.ctl("set", "1", "offer=" + new + "<b>x</b>")
    program.press("Check")
    program.find("text", "Offered version: " + new + "<b>x</b>")
    program.press("Close", last=True)
    switch.ctl("set", "1", "offer=" + new)

    for answer, stored in (("Remind me later", "1"), ("Skip this version", "0"), ("Close", "1")):
        offer()
        if answer == "Remind me later":
            assert program.starting("The upgrade tool is a Windows program"), "no word of the Windows tool"
            shoot(program, "upgrade")
        program.press(answer, last=True)
        program.gone("text", "New Firmware Version")
        assert config()[model]["autocheck"] == stored, (answer, config())

    def download(expect):
        offer()
        program.press("Download")
        alert(expect)

    # Addresses the tool is never fetched from: nothing requested, nothing written.
    for url in ("/portline/files/..%2F..%2Fx", f"http://files.vemo.example.com/portline/files/{model}_{new}.exe"):
        switch.ctl("set", "1", "offer-url=" + url)
        download("Firmware upgrade file open failed.")
        assert switch.log("file:") == [], switch.log("file:")
    assert not os.path.exists(os.path.join(ROOT, "x")) and not os.path.exists(os.path.join(os.environ["TMPDIR"], "x"))
    switch.ctl("set", "1", "offer-url=")

    # "Cancel" stops the download and reports nothing.
    stall = "Fail to download file. Please check your internet connection and try again later."
    offer()
    program.press("Download")
    program.press("Cancel")
    program.gone("text", "Downloading...")
    assert not program.elements("text", stall), "Cancel reported a failed download"

    # A file that is not the tool; a switch that refuses upgrade mode; a
    # server that sends no length (the stall alert after the shortened time-out).
    switch.ctl("set", "1", "offer-file=other")
    download("Firmware upgrade file open failed.")
    assert "update" not in switch.commands(1), switch.commands(1)
    switch.ctl("set", "1", "offer-file=tool", "refuse-update=1")
    download("Set upgrade mode failed, please check the device connection.")
    # A tool without its length is refused at once; one that drips stalls
    # (after the shortened time-out) however often a byte comes.
    switch.ctl("set", "1", "refuse-update=0", "offer-file=nolength")
    download("Firmware upgrade file open failed.")
    switch.ctl("set", "1", "offer-file=drip")
    download(stall)
    switch.ctl("set", "1", "offer-file=tool")
    tool_files = [n for n in os.listdir(os.environ["TMPDIR"]) if n.startswith(model + "_")]
    assert not tool_files, tool_files

    # A 20 MB answer is refused, and the log keeps none of it.
    log = os.path.join(DATA, "log.txt")
    before = os.path.getsize(log)
    switch.ctl("set", "1", "offer-size=20000000")
    program.press("Check")
    program.find("text", "Failed: the firmware service's answer could not be read.")
    assert os.path.getsize(log) - before < 20000, os.path.getsize(log) - before
    switch.ctl("set", "1", "offer-size=0")

    def progress():
        wait_for("some progress", lambda: [t for t in program.elements("text")
                                           if t.name.endswith("%") and t.name != "0%"])

    # The switch leaving during the download ends it, and says so (a slow
    # download, so that it is still running however late the unplug comes).
    updates = switch.commands(1).count("update")  # the refused one above
    switch.ctl("set", "1", "offer-gap=1500")
    offer()
    program.press("Download")
    progress()
    switch.ctl("unplug", "1")
    alert("The switch was disconnected, so the download has ended.")
    assert switch.commands(1).count("update") == updates, switch.commands(1)
    switch.ctl("set", "1", "offer-gap=100")
    switch.ctl("plug", "1")
    connected_cards(program, {model: True})
    open_maintenance()

    # The whole upgrade: progress, upgrade mode, the tool flashes the switch,
    # which restarts with the new version; meanwhile the window says the
    # upgrade is under way, then names the version the switch reports. The
    # tool's name holds a space and a "ü": saved, checked and started as one.
    switch.ctl("set", "1", f"offer-url=/portline/files/{model}_{new}%20%C3%BC.exe")
    offer()
    program.press("Download")
    program.find("text", f"{model}_{new}")
    progress()
    shoot(program, "progress")
    wait_for("upgrade mode", lambda: "update" in switch.commands(1))
    busy = "Firmware upgrade in progress: keep the switch connected"
    wait_for("the upgrade said under way", lambda: not program.cards() and program.elements("text", busy))
    program.gone("button", "Search again")
    shoot(program, "upgrading")
    assert switch.state()["fw"] == new, switch.state()
    alert("The switch now reports firmware version " + new + ".")
    connected_cards(program, {model: True})
    open_maintenance()
    program.find("text", "Firmware Version " + new)
    program.press("Check")
    alert("Current firmware is the latest version.")


def flow_installed(program_exe, sim_exe):
    """An installed or unpacked tree: catalogue and container library found, and the switch."""
    start(program_exe, sim_exe, QV5830, cards={"QV5830": True})


def flow_access(program_exe, sim_exe):
    """On a 1024 x 600 screen, with the keyboard alone: home, a card, the guide, every page of the
    frame, the hotkey editor, a confirmation and the preferences; Escape closes each dialog; on
    every page the tree holds only what shows, named on one line."""
    switch, program = start(program_exe, sim_exe, QV5830, cards={"QV5830": True})
    area = [0, 0, 1024, 600]  # where the window and every control must lie: x, y, right, bottom

    def inside(box):
        x, y, width, height = box
        return area[0] <= x and area[1] <= y and x + width <= area[2] and y + height <= area[3]

    assert inside(program.frame()), f"the window at {program.frame()}"
    subprocess.run(["xdotool", "windowfocus", "--sync", program.shown()[0]], check=True)
    pyatspi = program.pyatspi

    def focused():
        found = [e for e in program.elements() if e.getState().contains(pyatspi.STATE_FOCUSED)]
        return found[-1].name if found else None

    def tab_to(name, chord="Tab"):
        """Tabs until `name` has the focus; every control met on the way lies in the area."""
        for _ in range(40):
            key(chord)
            now = wait_for("a focused control", focused, timeout=5)
            box = program.extents([e for e in program.elements() if e.getState().contains(pyatspi.STATE_FOCUSED)][-1])
            assert inside(box), f"\"{now}\" focused at {box}, outside {area}"
            if now == name:
                return
        raise AssertionError(f"Tab never reached \"{name}\"")

    def menu_to(entry, *keys, press="Return"):
        """Arrows through the frame's menu to `entry`, then opens it."""
        key(*keys)
        wait_for(f"{entry} focused", lambda: focused() == entry)
        key(press)

    def preferences_by_keyboard():
        """From a device-frame page to the preferences, by keys alone."""
        tab_to("Home", "shift+Tab")
        key("Return")
        program.gone("button", "Device")
        tab_to("Preferences")
        key("Return")
        program.find("check", "Launch at Startup")

    def page_check(what):
        """Controls named, names on one line, all of them in the area."""
        for element in program.elements():
            role = element.getRoleName()
            if role in ("push button", "check box", "combo box", "text", "entry", "scroll bar", "list item"):
                assert element.name, f"{what}: a {role} without a name"
            assert "\n" not in element.name and "\r" not in element.name, f"{what}: {element.name!r}"
            box = program.extents(element)
            if role in ("push button", "check box", "combo box") and box[2] > 0:
                assert inside(box), f"{what}: {element.name} at {box}, outside {area}"

    def covered(*names):
        for name in names:
            assert not program.elements("button", name), f"\"{name}\" shows under the page"

    page_check("home")
    tab_to("QV5830")
    shoot(program, "focus_card")
    key("Return")
    program.find("text", "Hardware Overview")
    covered("QV5830", "Preferences")
    page_check("guide")
    # Each callout read with its number, never the number alone.
    program.find("text", "1 USB Type-A ports")
    assert not program.elements("text", "1"), "a callout number is read apart from its text"
    tab_to("Next")
    key("space")
    program.find("text", "Installation")
    tab_to("Skip")
    key("Return")
    program.find("button", "Device")
    covered("QV5830")
    page_check("device")

    # The menu: Tab reaches it, the arrows move in it, Enter opens the entry.
    tab_to("Device")
    menu_to("Maintenance", "Down")
    program.find("text", "Check for latest version.")
    page_check("maintenance")
    menu_to("Support", "Down", press="space")
    program.find("button", "User Manual")
    page_check("support")
    menu_to("Device", "Up", "Up")
    program.find("check", "Video Fitwell")

    # A confirmation: a dialog, the focus on its cancelling button, kept inside, Escape cancels.
    tab_to("Reset")
    key("Return")
    question = "Are you sure you want to reset the device setting to factory default?"
    program.find("text", question)
    assert program.elements("dialog"), "the confirmation is no dialog"
    wait_for("Cancel focused", lambda: focused() == "Cancel")
    shoot(program, "focus_dialog")
    seen = set()
    for _ in range(4):
        key("Tab")
        seen.add(wait_for("a focused control", focused))
    assert seen == {"Close", "Cancel", "Reset"}, f"the focus left the dialog: {seen}"
    page_check("confirmation")
    key("Escape")
    program.gone("text", question)
    assert "clearallsetting" not in switch.commands(1), "Escape reset the switch"
    wait_for("the focus back on \"Reset\"", lambda: focused() == "Reset")
    tab_to("Edit", "shift+Tab")

    # The hotkey editor: focus on the field, which names its hotkey; Escape is "Cancel".
    key("Return")
    field = program.find("field", "Device Switch")
    wait_for("the field focused", lambda: focused() == "Device Switch")
    assert field.description == HOTKEY, field.description
    assert program.elements("dialog", "Hotkey Edit"), "the editor is no dialog"
    page_check("hotkey editor")
    tab_to("Save")
    key("Tab")
    wait_for("Tab round to the cross", lambda: focused() == "Close")
    key("Escape")
    program.gone("button", "Save")
    wait_for("the focus back on \"Edit\"", lambda: focused() == "Edit")

    # Home, then the preferences: Escape is "Back".
    preferences_by_keyboard()
    covered("QV5830")
    page_check("preferences")
    tab_to("Launch at Startup")
    key("space")
    wait_for("autorun = 0", lambda: config()["System"].get("autorun") == "0")
    tab_to("Language")
    program.find("combo", "Language")
    key("Escape")
    program.find("button", "QV5830")
    wait_for("the focus back on the gear", lambda: focused() == "Preferences")

    # 1366 x 768 with a 40 px panel along the bottom (X screen 1): the work
    # area a window manager publishes for a panel's strut (there is none
    # here, so the flow publishes it). The window is centred in the area,
    # not on the screen, and Tab meets every control inside it.
    program.process.terminate()
    program.process.wait(10)
    os.environ["DISPLAY"] += ".1"
    subprocess.run(["xprop", "-root", "-f", "_NET_WORKAREA", "32c", "-set", "_NET_WORKAREA", "0, 0, 1366, 728"],
                   check=True)
    area[:] = [0, 0, 1366, 728]
    program = Program(program_exe, switch)
    connected_cards(program, {"QV5830": True})
    x, y, width, height = program.frame()
    assert inside((x, y, width, height)) and abs(y - (728 - y - height)) <= 2, f"the window at {(x, y, width, height)}"
    subprocess.run(["xdotool", "windowfocus", "--sync", program.shown()[0]], check=True)
    page_check("home at 1366 x 768")
    tab_to("QV5830")
    key("Return")
    program.find("button", "Device")
    page_check("device at 1366 x 768")
    tab_to("Reset")
    key("Return")
    program.find("text", question)
    page_check("confirmation at 1366 x 768")
    key("Escape")
    program.gone("text", question)
    tab_to("Device", "shift+Tab")
    for entry, role, shows in (("Maintenance", "text", "Check for latest version."),
                               ("Support", "button", "User Manual")):
        menu_to(entry, "Down")
        program.find(role, shows)
        page_check(f"{entry} at 1366 x 768")
    preferences_by_keyboard()
    page_check("preferences at 1366 x 768")
    tab_to("Language")



SOURCE = Path(__file__).resolve().parents[2]


def translations():
    """{translation file's stem: {(context, source): translation}} in the order of the program's
    language table (the index "language" stores), read from Lib/langswitch.cpp and lang/*.ts."""
    import xml.etree.ElementTree as ElementTree
    table = re.findall(r'"(\w+)\.qm"', (SOURCE / "Lib" / "langswitch.cpp").read_text(encoding="utf-8"))
    found = collections.OrderedDict()
    for stem in table:
        text = (SOURCE / "lang" / (stem + ".ts")).read_text(encoding="utf-8")
        root = ElementTree.fromstring(re.sub(r'<byte value="x[0-9a-f]+"/>', "", text).encode("utf-8"))
        found[stem] = {(context.findtext("name"), message.findtext("source")):
                       message.findtext("translation") or message.findtext("source")
                       for context in root.iter("context") for message in context.iter("message")}
    return found


def fits(program, what, under=None):
    """Every text and control of the window (or of one dialog) inside it, and no two of them
    overlapping unless one holds the other (a button's label): a translation too long for its place
    pushes into its neighbour or out of the window."""
    fx, fy, fw, fh = program.extents(under) if under else program.frame()
    boxes = []
    shown = program.elements(under=under)
    # What scrolls (beside a scroll bar that shows) may lie beyond its view:
    # it is only checked against what scrolls with it.
    scrolling = {hash(e.parent) for e in shown if e.getRoleName() == "scroll bar"}
    for element in shown:
        if element.getRoleName() not in ("label", "static", "push button", "check box", "combo box", "link"):
            continue
        x, y, w, h = program.extents(element)
        group = hash(element.parent) if hash(element.parent) in scrolling else None
        if w > 0 and h > 0:
            assert group or (fx <= x and x + w <= fx + fw and fy <= y and y + h <= fy + fh), \
                f"{what}: {element.name!r} outside"
            boxes.append((element.name, x, y, x + w, y + h, group))

    def holds(a, b):
        return a[1] <= b[1] + 1 and a[2] <= b[2] + 1 and b[3] <= a[3] + 1 and b[4] <= a[4] + 1

    for i, a in enumerate(boxes):
        for b in boxes[i + 1:]:
            if a[5] != b[5]:
                continue
            apart = a[3] <= b[1] + 1 or b[3] <= a[1] + 1 or a[4] <= b[2] + 1 or b[4] <= a[2] + 1
            assert apart or holds(a, b) or holds(b, a), f"{what}: {a[0]!r} overlaps {b[0]!r} ({a[1:5]} {b[1:5]})"


def flow_lang(program_exe, sim_exe):
    """The ten languages, each chosen in turn in the preferences' open list with the keyboard: the list's
    entries named, the current one selected; the home heading, the Device page's rows and (German,
    Japanese) the firmware offer in that language, fitting the window; a restart keeps the last."""
    model = "QV5830"
    write_config(System=dict(language="0"), **{model: known()})
    switch, program = start(program_exe, sim_exe, ("switch", f"model={model},pid=0001,fw=V1.0.9,offer=V1.0.10"),
                            firmware=True, cards={model: True})
    subprocess.run(["xdotool", "windowfocus", "--sync", program.shown()[0]], check=True)
    pyatspi = program.pyatspi
    languages = translations()
    english = languages["en"]

    def focused():
        found = [e for e in program.elements() if e.getState().contains(pyatspi.STATE_FOCUSED)]
        return found[-1] if found else None

    # The English Device page's texts that come from the page itself: the
    # rows each language must show in its own words.
    program.press(model)
    program.find("button", "Device")
    shown = {e.name for e in program.elements() if e.name}
    rows = sorted(source for (context, source) in english if context == "product_device" and source in shown)
    assert {"Switch Hotkey", "Reset to Default"} <= set(rows), rows
    program.press("Home")
    program.gone("button", "Device")

    names = None
    stems = list(languages)
    for index, stem in enumerate(stems[1:] + stems[:1], 1):
        index %= len(stems)
        before = languages[stems[index - 1]]
        program.press(before[("main", "Preferences")])
        combo = program.find("combo", before[("product_setting", "Language")])
        for _ in range(20):
            key("Tab")
            if wait_for("a focused control", focused, timeout=5).getRoleName() == "combo box":
                break
        else:
            raise AssertionError("Tab never reached the language list")
        key("space")
        # In the order they show, top to bottom.
        entries = sorted(wait_for("the open list", lambda: program.elements("item")), key=lambda e: program.extents(e)[1])
        selected = [e.name for e in entries if e.getState().contains(pyatspi.STATE_SELECTED)]
        if names is None:
            names = [e.name for e in entries]
            assert len(set(names)) == len(stems) and all(names), names
        assert [e.name for e in entries] == names, [e.name for e in entries]
        assert selected == [names[index - 1]], (selected, names[index - 1])
        assert combo.description == names[index - 1], combo.description
        key("Home" if index == 0 else "Down", "Return")
        wait_for(f"language = {index}", lambda: config()["System"].get("language") == str(index))
        program.gone("item", names[0])
        words = languages[stem]
        wait_for(f"the list reads {names[index]}", lambda: combo.description == names[index])
        fits(program, f"{stem} preferences")
        shoot(program, f"lang_{stem}_preferences")
        program.press(words[("product_setting", "Back")])
        program.find("text", words[("main", "Select Devices")])
        fits(program, f"{stem} home")

        program.press(model)
        program.find("button", words[("product_frame", "Device")])
        for row in rows:
            program.find(None, words[("product_device", row)])
        fits(program, f"{stem} device page")
        shoot(program, f"lang_{stem}_device")
        program.press(words[("product_frame", "Maintenance")])
        program.find("button", words[("product_maintenance", "Check")])
        fits(program, f"{stem} maintenance page")
        shoot(program, f"lang_{stem}_maintenance")
        if stem in ("de", "jp"):
            program.press(words[("product_maintenance", "Check")])
            offer = program.find("dialog", words[("upgrade_info", "New Firmware Version")], timeout=20)
            fits(program, f"{stem} firmware offer", offer)
            # The licence in paragraphs: its heading is one of them.
            licence = next(text for (context, source), text in words.items()
                           if context == "upgrade_info" and source.startswith("<p><b>Firmware Licence"))
            program.find("text", re.search(r"<p><b>(.*?)</b></p>", licence).group(1))
            shoot(program, f"lang_{stem}_offer")
            key("Escape")
            program.gone("dialog", words[("upgrade_info", "New Firmware Version")])
            # The file dialog's own texts (Qt's) in the language too.
            program.press(words[("product_maintenance", "Backup")])
            title = words[("product_maintenance", "Input the file name")]
            program.find("frame", title)
            program.press({"de": "Abbrechen", "jp": "キャンセル"}[stem])
            program.gone("frame", title)
            # With no window manager here to hand the focus back from the
            # closed dialog, the keys of the next round would go nowhere.
            subprocess.run(["xdotool", "windowfocus", "--sync", program.shown()[0]], check=True)
        program.press(words[("product_frame", "Support")])
        program.find("button", words[("product_support", "FAQ")])
        fits(program, f"{stem} support page")
        shoot(program, f"lang_{stem}_support")
        program.press(words[("product_support", "FAQ")])
        program.find("field", words[("product_faq", "Search")])
        fits(program, f"{stem} FAQ")
        program.press(words[("product_faq", "Back")])
        # The guide's three steps, from the Support page.
        program.press(words[("product_support", "Start")])
        for step, leave in ("Hardware Overview", "Next"), ("Installation", "Next"), (None, "Finish"):
            program.find("button", words[("GuidePage", leave)])
            if step:
                program.find("text", words[("GuidePage", step)])
            fits(program, f"{stem} guide, {step or 'last step'}")
            program.press(words[("GuidePage", leave)])
        program.find("button", words[("product_support", "FAQ")])
        # The hotkey editor.
        program.press(words[("product_frame", "Device")])
        program.press(words[("product_device", "Edit")])
        editor = program.find("dialog", words[("keys_control", "Hotkey Edit")])
        fits(program, f"{stem} hotkey editor", editor)
        shoot(program, f"lang_{stem}_editor")
        key("Escape")
        program.gone("dialog", words[("keys_control", "Hotkey Edit")])
        program.press(words[("product_frame", "Home")])
        program.gone("button", words[("product_frame", "Device")])

    # Back in English after the tenth; the last entry chosen again in the
    # list opened with the mouse; a restart keeps it.
    program.press("Preferences")
    program.click(program.find("combo", "Language"))
    program.find("item", names[-1])
    key("End", "Return")
    wait_for("language = 9", lambda: config()["System"].get("language") == str(len(stems) - 1))
    program.process.terminate()
    program.process.wait(10)
    program = Program(program_exe, switch)
    program.find("text", languages[stems[-1]][("main", "Select Devices")])

SCREENS = {"access": dict(width=1024, height=600, second=(1366, 768))}
FLOWS = {"access": flow_access, "home": flow_home, "tray": flow_tray, "xtray": flow_xtray, "brand": flow_brand, "device": flow_device,
         "support": flow_support, "maintenance": flow_maintenance, "installed": flow_installed,
         "prefs": flow_prefs, "lang": flow_lang}


def main():
    if sys.argv[1:] == ["--tray-host"]:
        return run_tray_host()
    program_exe, sim_exe, flow = sys.argv[1:4]
    try:
        start_desktop(**SCREENS.get(flow, {}), tray_host=flow != "xtray")
        FLOWS[flow](program_exe, sim_exe, *sys.argv[4:])
    finally:
        stop_all()
    print(f"{flow}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
