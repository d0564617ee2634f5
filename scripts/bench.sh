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
  tests/isolated.sh bash "$bench" || echo "($(basename "$bench" .sh) failed: its figures are missing)"
done

# The home page beside its static copy (bench/static_home.py: the program's
# own page, bars, font, texts and card pictures in a bare window under
# qmlscene, two cards, no services), both with the software renderer: start
# until both cards are on screen (pixels of the card colour, read from the X
# server's shared memory by bench/cards_on_screen, accessibility off as a
# user runs it), peak memory (VmHWM) two seconds later, and the program's
# ratio to the copy (goals: time at most 1.15, memory at most 1.2).
echo "== home page"
tests/isolated.sh dbus-run-session -- /usr/bin/python3 - "$PORTVIEW_BUILD" <<'PY'
import os, statistics, subprocess, sys
sys.path.insert(0, "tests/e2e")
import portview_e2e as e2e
build, runs = sys.argv[1], int(os.environ.get("PORTVIEW_BENCH_STARTS", "7"))

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
    reference = os.path.join(e2e.ROOT, "static-home")
    subprocess.run([sys.executable, "bench/static_home.py", reference, "QV5830", "QV5840"], check=True)
    need = 2 * 20000  # both cards (drawn in one frame), less picture and text
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    qmlscene = dict(os.environ, QT_QUICK_BACKEND="software", QT_XCB_GL_INTEGRATION="none")
    results = {}
    for label, command, env in (
            ("static copy of the home page",
             ["/usr/lib/qt5/bin/qmlscene", "-I", reference, os.path.join(reference, "main.qml")], qmlscene),
            ("vemo-portview home page", [build + "/vemo-portview"], dict(os.environ, PORTVIEW_SIMULATOR=switch.socket))):
        shown, peak = zip(*(one_run(command, env, need) for _ in range(runs)))
        results[label] = statistics.median(shown), statistics.median(peak)
        print(f"{label}: start to cards shown median {results[label][0]:.0f} ms (min {min(shown):.0f}), "
              f"peak memory (VmHWM) median {results[label][1]:.1f} MiB over {runs} runs")
    (copy_ms, copy_mib), (home_ms, home_mib) = results.values()
    print(f"ratio to the static copy: time {home_ms / copy_ms:.2f} (goal <= 1.15), "
          f"memory {home_mib / copy_mib:.2f} (goal <= 1.2)")
finally:
    e2e.stop_all()
PY
