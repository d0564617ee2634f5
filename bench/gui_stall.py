#!/usr/bin/env python3
"""gui_stall.py BUILD: the real program against the virtual switch, once with a
switch that answers and once with one that never ends its answers (fault
`silent`): the longest gap between two ticks of a 5 ms timer on the window's
thread in each second (no frame can be drawn in such a gap) and the round trip of
accessibility queries, over 8 s with the status read and heartbeat running.
Run under dbus-run-session (scripts/bench.d/stall.sh)."""
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import portview_e2e as e2e  # noqa: E402

GOAL_MS = 50.0
SECONDS = 8.0


def measure(build, spec):
    gaps = os.path.join(e2e.ROOT, "loop-gaps.txt")
    if os.path.exists(gaps):
        os.remove(gaps)
    switch = e2e.VirtualSwitch(build + "/tools/kvm-sim/kvm-sim", ("switch", spec))
    program = e2e.Program(build + "/vemo-portview", switch, PORTVIEW_BENCH_LOOP_GAPS=gaps)
    e2e.wait_for("the card", lambda: program.cards())
    e2e.wait_for("the status read", lambda: "read" in switch.commands())
    # The gaps of the start itself are not the device's: count from here.
    time.sleep(1.5)
    trips, seconds = [], []
    # Only seconds that lie wholly within the measurement count.
    begun = time.time() + 1.0
    end = time.monotonic() + SECONDS
    while time.monotonic() < end:
        figure = open(gaps).read() if os.path.exists(gaps) else ""
        written = os.path.getmtime(gaps) if figure else 0
        if written > begun and (not seconds or written != seconds[-1][0]):
            seconds.append((written, float(figure)))
        e2e.pump()
        start = time.monotonic()
        app = program.app()
        frame = app.getChildAtIndex(0)
        frame.name, frame.getState()
        trips.append((time.monotonic() - start) * 1000)
        time.sleep(0.02)
    longest = max(gap for _, gap in seconds)
    reads = switch.commands().count("read")
    program.process.terminate()
    program.process.wait(10)
    return longest, max(trips), statistics.median(trips), len(trips), reads


def main():
    build = sys.argv[1]
    try:
        e2e.start_desktop()
        for label, spec in (("answering switch", "model=QV5830,pid=0001"),
                            ("silent switch", "model=QV5830,pid=0001,silent")):
            longest, worst, median, count, reads = measure(build, spec)
            print(f"{label}: longest gap on the window's thread {longest:.1f} ms (goal <= {GOAL_MS:.0f}); "
                  f"accessibility query round trip max {worst:.1f} ms, median {median:.1f} ms over {count} "
                  f"queries (goal <= {GOAL_MS:.0f}); status reads sent: {reads}")
    finally:
        e2e.stop_all()


if __name__ == "__main__":
    main()
