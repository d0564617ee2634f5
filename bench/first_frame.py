#!/usr/bin/env python3
"""first_frame.py RUNS -- COMMAND...

Starts COMMAND RUNS times and measures the time from the start to the first
frame the Qt Quick scene graph renders (Qt's render-loop timing message, read
from the program's stderr or from its log.txt), and the peak resident memory
(VmHWM) two seconds after that frame. Prints the medians."""
import os
import statistics
import subprocess
import sys
import time

MARKER = b"Frame rendered"


def log_path():
    home = os.environ.get("XDG_DATA_HOME", os.path.expanduser("~/.local/share"))
    return os.path.join(home, "Vemo", "Vemo Portview", "log.txt")


def log_size():
    try:
        return os.path.getsize(log_path())
    except OSError:
        return 0


def one_run(command):
    env = dict(os.environ, QSG_RENDER_TIMING="1",
               QT_LOGGING_RULES="qt.scenegraph.time.renderloop=true")
    log_start = log_size()
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL)
    os.set_blocking(process.stderr.fileno(), False)
    seen = b""
    first_frame = None
    while first_frame is None and time.perf_counter() - start < 30:
        chunk = process.stderr.read() or b""
        seen += chunk
        if MARKER in seen:
            first_frame = time.perf_counter() - start
            break
        if log_size() > log_start:
            with open(log_path(), "rb") as log:
                log.seek(log_start)
                if MARKER in log.read():
                    first_frame = time.perf_counter() - start
                    break
        time.sleep(0.0005)
    time.sleep(2)
    peak_kb = 0
    try:
        with open(f"/proc/{process.pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    peak_kb = int(line.split()[1])
    except OSError:
        pass
    process.kill()
    process.wait()
    return first_frame, peak_kb


def main():
    runs = int(sys.argv[1])
    command = sys.argv[sys.argv.index("--") + 1:]
    frames, peaks = [], []
    for _ in range(runs):
        frame, peak = one_run(command)
        if frame is None:
            print(f"{os.path.basename(command[0])}: no frame seen")
            return 1
        frames.append(frame * 1000)
        peaks.append(peak / 1024)
    print(f"{os.path.basename(command[0])}: start to first frame median {statistics.median(frames):.1f} ms "
          f"(min {min(frames):.1f}), peak memory median {statistics.median(peaks):.1f} MiB over {runs} runs")
    return 0


if __name__ == "__main__":
    sys.exit(main())
