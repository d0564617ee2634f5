#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Unless a supported
# switch is attached over USB, two virtual switches (a QV5830 and a QV5840)
# are started for it, so the home page shows two cards, with a firmware
# information service that offers the QV5830 a newer firmware: "Check" on its
# Maintenance page shows the offer, "Download" fetches the virtual upgrade
# tool with its progress, the switch enters upgrade mode, the tool flashes the
# new version and the switch restarts with it (kvm-sim says so below). Both
# are stopped when the program ends. Arguments are passed on to the program ("-h" ...).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Only what the program needs: the tests build with the test command.
cmake --build build -j"$(nproc)" --target vemo-portview kvm-sim fw-upgrade-tool device_catalogue portview_translations

# A real switch: vendor 1209 with a product ID of the catalogue's range.
real_switch_attached() {
  local dev
  for dev in /sys/bus/usb/devices/*; do
    [ -r "$dev/idVendor" ] || continue
    [ "$(cat "$dev/idVendor")" = "1209" ] || continue
    case "$(cat "$dev/idProduct")" in 000[1-9a-fA-F]) return 0 ;; esac
  done
  return 1
}

sim_pid=""
stop_simulator() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
}
trap stop_simulator EXIT

if ! real_switch_attached; then
  socket="portview-kvm-sim-$$"
  # With their firmware service: the QV5830 is offered a newer firmware, so
  # "Check" shows an offer; the QV5840 is up to date.
  coproc SIM { exec build/tools/kvm-sim/kvm-sim --socket "$socket" --firmware-service 0 \
      --switch "model=QV5830,vid=1209,pid=0001,fw=V1.0.212,offer=V1.0.213" \
      --switch "model=QV5840,vid=1209,pid=0002" ; }
  sim_pid=$SIM_PID
  read -r -t 10 ready <&"${SIM[0]}" || { echo "the virtual switches did not start" >&2; exit 1; }
  read -r -t 10 firmware <&"${SIM[0]}" || { echo "the firmware service did not start" >&2; exit 1; }
  echo "$ready"
  echo "$firmware"
  export PORTVIEW_SIMULATOR="$socket"
  export PORTVIEW_FIRMWARE_URL="${firmware##* }"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "no display: running on the offscreen platform (end with Ctrl+C)"
  export QT_QPA_PLATFORM=offscreen
fi
status=0
build/vemo-portview "$@" || status=$?
exit $status
