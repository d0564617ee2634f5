#!/usr/bin/env bash
# Builds the project and runs every benchmark (scripts/bench.d/*.sh). The
# figures are printed, not judged: machines differ and are shared.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j"$(nproc)"
export PORTVIEW_BUILD="$PWD/build-bench"
for bench in scripts/bench.d/*.sh; do
  [ -e "$bench" ] || continue
  echo "== $(basename "$bench" .sh)"
  tests/isolated.sh bash "$bench"
done

# The home page beside a bare Qt Quick window (qmlscene, software renderer)
# that imports the same QML modules and draws two card-sized rectangles:
# start until both cards are on screen (pixels of the card colour, read from
# the X server's shared memory by bench/cards_on_screen, accessibility off as
# a user runs it), peak memory two seconds later, and the program's ratio to
# the bare window (goal: at most 1.3). The
# same bare window with one bold line of text shows what drawing any text
# (fontconfig, FreeType, HarfBuzz) costs before the program does anything.
echo "== home page"
tests/isolated.sh dbus-run-session -- /usr/bin/python3 - "$PORTVIEW_BUILD" <<'PY'
import os, re, statistics, subprocess, sys
sys.path.insert(0, "tests/e2e")
import portview_e2e as e2e
build, runs = sys.argv[1], 7
imports = set()
for name in ("Qml/main.qml", "Qml/HeadControl.qml", "HeadControl.qml", "Qml/FootControl.qml", "FootControl.qml"):
    if os.path.exists(name):
        imports |= {l.strip() for l in open(name) if re.match(r"\s*import [A-Za-z]", l)}
imports -= {i for i in imports if re.search(r"com\.vemo|Qt\.Quick\.Monitor|vemo\.trayicon", i)}

def bare_window(name, extra=""):
    path = os.path.join(e2e.ROOT, name)
    with open(path, "w") as out:
        out.write("\n".join(sorted(imports | {"import QtQuick 2.15", "import QtQuick.Window 2.15"})) + """
Window { width: 962; height: 640; visible: true; color: "#fbfbfb"
    """ + extra + """
    Row { x: 40; y: 150; spacing: 20
        Repeater { model: 2; Rectangle { width: 292; height: 350; radius: 10; color: "#ebebeb" } } } }
""")
    return path

def one_run(command, env, need):
    """Start until `need` pixels of the card colour "#ebebeb" show, and peak memory."""
    run = subprocess.run([build + "/bench/cards_on_screen", "ebebeb", str(need), "--", *command], env=env,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    if run.returncode != 0:
        sys.exit(f"{command[0]}: its cards never showed")
    shown, peak = run.stdout.split()
    return float(shown), float(peak)

try:
    e2e.start_desktop()
    switch = e2e.VirtualSwitch(build + "/tools/kvm-sim/kvm-sim", e2e.QV5830,
                               ("other", "vid=046D,pid=C52B,product=Mouse"), e2e.QV5840)
    need = 2 * 20000  # both cards (drawn in one frame), less picture and text
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    qmlscene = dict(os.environ, QT_QUICK_BACKEND="software", QT_XCB_GL_INTEGRATION="none")
    heading = 'Text { x: 410; y: 110; text: "Select Devices"; font.pixelSize: 17; font.bold: true }'
    results = {}
    for label, command, env in (
            ("bare Qt Quick window", ["/usr/lib/qt5/bin/qmlscene", bare_window("bare.qml")], qmlscene),
            ("bare window with one line of text",
             ["/usr/lib/qt5/bin/qmlscene", bare_window("bare_text.qml", heading)], qmlscene),
            ("vemo-portview home page", [build + "/vemo-portview"], dict(os.environ, PORTVIEW_SIMULATOR=switch.socket))):
        shown, peak = zip(*(one_run(command, env, need) for _ in range(runs)))
        results[label] = statistics.median(shown), statistics.median(peak)
        print(f"{label}: start to cards shown median {results[label][0]:.0f} ms (min {min(shown):.0f}), "
              f"peak memory median {results[label][1]:.1f} MiB over {runs} runs")
    (bare_ms, bare_mib), (text_ms, text_mib), (home_ms, home_mib) = results.values()
    print(f"ratio to the bare window: time {home_ms / bare_ms:.2f}, memory {home_mib / bare_mib:.2f} "
          f"(goal: each <= 1.3; one line of text alone: time {text_ms / bare_ms:.2f}, memory {text_mib / bare_mib:.2f})")
finally:
    e2e.stop_all()
PY
