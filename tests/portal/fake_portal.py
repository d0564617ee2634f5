#!/usr/bin/env python3
"""fake_portal.py RECORD [--refuse]: the desktop portal's GlobalShortcuts
interface on the session bus, as org.freedesktop.portal.Desktop.

Every call is appended to RECORD as one JSON line. Tests steer it through
the interface org.example.FakePortal on the same object:
  Activate(s shortcut_id)           Activated on every open session (recorded with
                                    the monotonic clock's time in ms)
  ChangeTrigger(s id, s trigger)    ShortcutsChanged on every open session
  Refuse(u response)                BindShortcuts answers with it (0: bind)
Prints "ready" once the name is owned."""
import json
import sys
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"
REQUEST = "org.freedesktop.portal.Request"
SESSION = "org.freedesktop.portal.Session"
CONTROL = "org.example.FakePortal"


def sender_element(sender):
    return sender.lstrip(":").replace(".", "_")


def to_python(value):
    if isinstance(value, (dbus.Dictionary, dict)):
        return {str(k): to_python(v) for k, v in value.items()}
    if isinstance(value, (dbus.Array, dbus.Struct, list, tuple)):
        return [to_python(v) for v in value]
    if isinstance(value, (dbus.String, dbus.ObjectPath)):
        return str(value)
    if isinstance(value, dbus.Boolean):
        return bool(value)
    if isinstance(value, (int, dbus.UInt32, dbus.Int32, dbus.UInt64)):
        return int(value)
    return value


class Request(dbus.service.Object):
    @dbus.service.signal(REQUEST, signature="ua{sv}")
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    def __init__(self, portal, bus, path):
        super().__init__(bus, path)
        self.portal, self.path, self.shortcuts = portal, path, []

    @dbus.service.method(SESSION, in_signature="", out_signature="")
    def Close(self):
        self.portal.record("Close", session=self.path)
        self.portal.sessions.pop(self.path, None)
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus, record, refuse):
        super().__init__(bus, PATH)
        self.bus, self.record_path, self.refuse = bus, record, refuse
        self.sessions = {}

    def record(self, call, **details):
        with open(self.record_path, "a", encoding="utf-8") as out:
            out.write(json.dumps(dict(call=call, **details)) + "\n")

    def answer(self, sender, options, response, results):
        """The request object of a call, its Response sent once the call has returned."""
        token = str(options.get("handle_token", "t%d" % id(options)))
        path = f"{PATH}/request/{sender_element(sender)}/{token}"
        request = Request(self.bus, path)

        def respond():
            request.Response(dbus.UInt32(response), dbus.Dictionary(results, signature="sv"))
            request.remove_from_connection()
            return False
        GLib.timeout_add(20, respond)
        return dbus.ObjectPath(path)

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender=None):
        token = str(options.get("session_handle_token", "s"))
        path = f"{PATH}/session/{sender_element(sender)}/{token}"
        self.sessions[path] = Session(self, self.bus, path)
        self.record("CreateSession", session=path, options=to_python(options))
        # Typed "s" in the portal's own documents.
        return self.answer(sender, options, 0, {"session_handle": dbus.String(path)})

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o", sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent_window, options, sender=None):
        self.record("BindShortcuts", session=str(session), shortcuts=to_python(shortcuts))
        if self.refuse or str(session) not in self.sessions:
            return self.answer(sender, options, self.refuse or 2, {})
        bound = [(sid, {"description": props.get("description", ""),
                        "trigger_description": props.get("preferred_trigger", "")}) for sid, props in shortcuts]
        self.sessions[str(session)].shortcuts = bound
        return self.answer(sender, options, 0, {"shortcuts": dbus.Array(bound, signature="(sa{sv})")})

    @dbus.service.method(SHORTCUTS, in_signature="oa{sv}", out_signature="o", sender_keyword="sender")
    def ListShortcuts(self, session, options, sender=None):
        self.record("ListShortcuts", session=str(session))
        found = self.sessions.get(str(session))
        return self.answer(sender, options, 0 if found else 2,
                           {"shortcuts": dbus.Array(found.shortcuts, signature="(sa{sv})")} if found else {})

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    @dbus.service.signal(SHORTCUTS, signature="oa(sa{sv})")
    def ShortcutsChanged(self, session, shortcuts):
        pass

    @dbus.service.method(CONTROL, in_signature="s", out_signature="u")
    def Activate(self, shortcut_id):
        # The time on the monotonic clock, for latency figures; taken before
        # the signals leave, written after.
        sent_ms = time.monotonic() * 1000
        for path in self.sessions:
            self.Activated(dbus.ObjectPath(path), shortcut_id, dbus.UInt64(0), dbus.Dictionary({}, signature="sv"))
        self.record("Activate", id=str(shortcut_id), sessions=len(self.sessions), sent_ms=sent_ms)
        return len(self.sessions)

    @dbus.service.method(CONTROL, in_signature="ss", out_signature="u")
    def ChangeTrigger(self, shortcut_id, trigger):
        for path, session in self.sessions.items():
            session.shortcuts = [(sid, dict(props, trigger_description=trigger) if sid == shortcut_id else props)
                                 for sid, props in session.shortcuts]
            self.ShortcutsChanged(dbus.ObjectPath(path), dbus.Array(session.shortcuts, signature="(sa{sv})"))
        return len(self.sessions)

    @dbus.service.method(CONTROL, in_signature="u", out_signature="")
    def Refuse(self, response):
        self.refuse = int(response)


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus, sys.argv[1], 2 if "--refuse" in sys.argv else 0)
    name = dbus.service.BusName(NAME, bus, do_not_queue=True)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del name, portal


if __name__ == "__main__":
    main()
