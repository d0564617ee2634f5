#!/usr/bin/env python3
"""portal_e2e.py PROGRAM KVM_SIM FLOW: the switch hotkey through the desktop's
GlobalShortcuts portal (fake_portal.py on the test's own session bus), with
the helpers of tests/e2e/portview_e2e.py.

  x11      the portal forced on an X server of its own (PORTVIEW_SHORTCUT_PORTAL=1),
           keys typed into the window with xdotool
  wayland  the real program on weston's headless back end (QT_QPA_PLATFORM=wayland)"""
import json
import os
import subprocess
import sys
import time
from pathlib import Path

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
import portview_e2e as e2e  # noqa: E402
from portview_e2e import GLib, wait_for  # noqa: E402

PORTAL = "org.freedesktop.portal.Desktop"
PORTAL_PATH = "/org/freedesktop/portal/desktop"
SHORTCUT = ["switch-port", {"description": "Switch to the other computer", "preferred_trigger": "SHIFT+ALT+s"}]
REFUSED = "The desktop does not allow global shortcuts for this program."


class FakePortal:
    """fake_portal.py in a process of its own; what it was asked, as records."""

    def __init__(self, *options):
        self.record = os.path.join(e2e.ROOT, f"portal-{len(e2e.started)}.jsonl")
        process = e2e.spawn([sys.executable, os.path.join(HERE, "fake_portal.py"), self.record, *options],
                            "fake-portal", stdout=subprocess.PIPE)
        assert process.stdout.readline().strip() == b"ready", "the fake portal did not start"
        self.bus = e2e.session_bus()

    def calls(self, name=None):
        if not os.path.exists(self.record):
            return []
        calls = [json.loads(line) for line in Path(self.record).read_text().splitlines()]
        return [c for c in calls if name is None or c["call"] == name]

    def bound(self, count=1):
        """The shortcuts of the `count`th BindShortcuts, once it came."""
        return wait_for(f"BindShortcuts #{count}", lambda: len(self.calls("BindShortcuts")) >= count
                        and self.calls("BindShortcuts")[count - 1])["shortcuts"]

    def control(self, method, signature, *args):
        return e2e.dbus_call(self.bus, PORTAL, PORTAL_PATH, "org.example.FakePortal", method,
                             GLib.Variant(signature, args), "(u)" if method != "Refuse" else None)

    def activate(self):
        assert self.control("Activate", "(s)", "switch-port") == (1,), "not one session to activate"


def log_lines(prefix):
    path = Path(e2e.DATA, "log.txt")
    text = path.read_text(encoding="utf-8", errors="replace") if path.exists() else ""
    return [line for line in text.splitlines() if prefix in line]


def wait_log(prefix):
    return wait_for(f"\"{prefix}\" in log.txt", lambda: log_lines(prefix))


def status_read(switch, index=1, since=0):
    """Waits until the program has the switch's status (a read after the first `since` commands,
    then a heartbeat): the hotkey picks the other port by it."""
    def done():
        commands = switch.commands(index)[since:]
        return "read" in commands and "test" in commands[commands.index("read"):]
    wait_for("the status read", done)


def hand_over(program, switch, press, remaining=None, index=1, since=0):
    """`press()` hands switch `index` over once the status of the connection that began after its
    first `since` commands is in: a new "sw i01" reaches it and its card goes."""
    status_read(switch, index, since)
    commands = len(switch.commands(index))
    press()
    wait_for("sw i01", lambda: "sw i01" in switch.commands(index)[commands:])
    e2e.connected_cards(program, remaining or {}, timeout=5.0 if remaining else 15.0)


def quit_by_tray(program):
    """Quits as a user does, so the program lets its shortcut session go (a terminated one cannot)."""
    e2e.Tray().click("Quit")
    program.press("OK")
    assert program.process.wait(10) == 0, f"the program ended with {program.process.returncode}"


def flow_x11(program_exe, sim_exe):
    """Bound with the saved hotkey's trigger, shown in the editor; a new hotkey from the window's own
    keys rebinds in a new session; Activated switches; a refusal is shown, logged, and the X hook
    takes over."""
    e2e.start_desktop()
    portal = FakePortal()
    e2e.write_config(QV5830=e2e.known())
    switch, program = e2e.start(program_exe, sim_exe, e2e.QV5830, cards={"QV5830": True},
                                PORTVIEW_SHORTCUT_PORTAL="1")
    assert portal.bound() == [SHORTCUT], portal.calls()
    wait_log("Global shortcut bound: SHIFT+ALT+s")
    # No hook: the keys reach nothing but the desktop.
    e2e.key("shift+alt+s")
    beats = switch.commands().count("test")
    wait_for("a heartbeat", lambda: switch.commands().count("test") > beats)
    assert not [c for c in switch.commands() if c.startswith("sw ")], switch.commands()

    # The editor shows the keys as the desktop bound them; a capture comes
    # from the window's own key events.
    program.press("QV5830")
    program.press("Edit")
    field = program.find("field", "Device Switch")

    def field_text():
        e2e.pump()
        return field.queryText().getText(0, -1)

    def save_enabled():
        e2e.pump()
        return program.find("button", "Save").getState().contains(program.pyatspi.STATE_ENABLED)

    wait_for("the desktop's trigger", lambda: field_text() == "SHIFT+ALT+s")
    program.click(field)
    e2e.press_keys("k")
    program.find("text", "Please enter combination key.")
    wait_for("Save reported disabled", lambda: not save_enabled())
    program.click(field)
    e2e.press_keys("ctrl", "alt", "k")
    wait_for("Ctrl + Alt + K", lambda: field_text() == "Ctrl + Alt + K")
    wait_for("Save reported enabled", save_enabled)
    program.press("Save")
    program.gone("button", "Save")
    wait_for("the new hotkey stored", lambda: e2e.config()["QV5830"].get("hotkey") == "Ctrl + Alt + K")
    assert portal.bound(2) == [[SHORTCUT[0], dict(SHORTCUT[1], preferred_trigger="CTRL+ALT+k")]], portal.calls()
    first, second = (c["session"] for c in portal.calls("CreateSession"))
    assert [c["session"] for c in portal.calls("Close")] == [first] and second != first, portal.calls()

    # The user changes the keys in the desktop's settings: the editor shows
    # them. (Once the new binding's answer has come: the fake portal answers
    # 20 ms after the call it records.)
    wait_log("Global shortcut bound: CTRL+ALT+k")
    assert portal.control("ChangeTrigger", "(ss)", "switch-port", "Ctrl+Alt+J") == (1,)
    wait_log("Global shortcut bound: Ctrl+Alt+J")
    program.press("Edit")
    field = program.find("field", "Device Switch")
    wait_for("the changed trigger", lambda: field_text() == "Ctrl+Alt+J")
    program.press("Save")
    program.gone("button", "Save")
    assert e2e.config()["QV5830"]["hotkey"] == "Ctrl + Alt + K", "the desktop's words were saved as the hotkey"
    program.press("Home")
    hand_over(program, switch, portal.activate)

    # Refused at the next start: the device page says so, the log says why,
    # and the X server's hook serves the hotkey.
    quit_by_tray(program)
    wait_for("the session closed at exit", lambda: [c["session"] for c in portal.calls("Close")] == [first, second])
    portal.control("Refuse", "(u)", 2)
    since = len(switch.commands())
    switch.ctl("set", "1", "port=1")
    program = e2e.Program(program_exe, switch, PORTVIEW_SHORTCUT_PORTAL="1")
    e2e.connected_cards(program, {"QV5830": True})
    wait_log("Global shortcut refused: the desktop refused the shortcut (response 2)")
    program.press("QV5830")
    program.find("text", REFUSED + " Allow Vemo Portview to use global shortcuts in your desktop's settings, "
                 "or log in with an X11 session; until then the hotkey works only while the window has the focus.")
    e2e.shoot(program, "portal_refused")
    program.press("Home")
    hand_over(program, switch, lambda: e2e.key("ctrl+alt+k"), since=since)


# --- Wayland ------------------------------------------------------------------

def start_wayland():
    """weston's headless back end on a socket of its own, the accessibility bus and a StatusNotifier
    host; no X server anywhere."""
    os.environ.pop("DISPLAY", None)
    runtime = os.environ["XDG_RUNTIME_DIR"]
    os.chmod(runtime, 0o700)  # weston and Qt refuse a runtime folder others may enter
    socket = f"wayland-portview-{os.getpid()}"
    e2e.spawn(["weston", "--backend=headless-backend.so", f"--socket={socket}", "--width=1280", "--height=1024",
               "--idle-time=0"], "weston")
    wait_for("weston's socket", lambda: os.path.exists(os.path.join(runtime, socket)))
    os.environ["WAYLAND_DISPLAY"] = socket
    e2e.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], "at-spi")
    bus = e2e.session_bus()
    wait_for("the accessibility bus", lambda: e2e.has_owner(bus, "org.a11y.Bus"))
    # Qt asks the bus for the accessibility bus' address; the registry must answer before the program starts.
    wait_for("the accessibility registry", lambda: e2e.dbus_call(
        bus, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", reply="(s)")[0])
    e2e.spawn([sys.executable, e2e.__file__, "--tray-host"], "tray-host")
    wait_for("the tray host", lambda: e2e.has_owner(bus, e2e.WATCHER))


def window_showing(program):
    return [f for f in program.elements("frame") if f.getState().contains(program.pyatspi.STATE_VISIBLE)]


def flow_wayland(program_exe, sim_exe):
    """Under a real compositor: the window opens with its controls in the accessibility tree, the
    cards show, the portal's Activated switches the port, the tray's menu and activation work."""
    start_wayland()
    portal = FakePortal()
    e2e.write_config(QV5830=e2e.known(), QV5840=e2e.known())
    switch = e2e.VirtualSwitch(sim_exe, e2e.QV5830, e2e.QV5840)
    program = e2e.Program(program_exe, switch, wait_shown=False, QT_QPA_PLATFORM="wayland")
    wait_for("the window", lambda: window_showing(program))
    for name in ("Preferences", "Minimize", "Close"):
        program.find("button", name)
    e2e.connected_cards(program, {"QV5830": True, "QV5840": False})
    assert portal.bound() == [SHORTCUT], portal.calls()
    wait_log("Global shortcut bound: SHIFT+ALT+s")

    # The switch goes to the other computer; the second one connects.
    hand_over(program, switch, portal.activate, remaining={"QV5840": True})

    tray = e2e.Tray()
    assert [label for _, label in tray.menu()] == ["Vemo Portview", "-", "Preferences", "Quit"], tray.menu()
    program.press("Close")
    wait_for("the window to hide", lambda: not window_showing(program))
    tray.activate()
    wait_for("the tray's activation to show the window", lambda: window_showing(program))
    program.press("Minimize")
    time.sleep(0.5)
    assert program.process.poll() is None, "minimising ended the program"
    tray.click("Preferences")
    program.find("check", "Launch at Startup")
    quit_by_tray(program)
    wait_for("the session closed at exit", lambda: portal.calls("Close"))


FLOWS = {"x11": flow_x11, "wayland": flow_wayland}


def main():
    program_exe, sim_exe, flow = sys.argv[1:4]
    try:
        FLOWS[flow](program_exe, sim_exe)
    finally:
        e2e.stop_all()
    print(f"portal {flow}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
