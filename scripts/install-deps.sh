#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
# Only packages that are missing are installed, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config python3 curl
  qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev
  qttools5-dev qttools5-dev-tools
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts
  qml-module-qtquick-controls2 qml-module-qt-labs-platform
  # Qt's own texts (the file dialog's) in the interface's languages.
  qttranslations5-l10n
  qml-module-qttest
  libhidapi-dev libssl-dev openssl libudev-dev
  libx11-dev libxi-dev libxtst-dev libqt5x11extras5-dev
  xvfb xauth xdotool x11-utils qmlscene
  # An X tray (XEmbed) for the end-to-end flow of the tray icon without StatusNotifier.
  trayer
  # The Wayland flows: a real compositor (weston's headless back end) and Qt's
  # Wayland platform.
  weston qtwayland5
  dbus at-spi2-core python3-pyatspi python3-dbus python3-gi
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  clang libclang-rt-14-dev
  librsvg2-bin imagemagick fonts-noto-core x11-apps
  desktop-file-utils appstream lintian dpkg-dev file wine64
  # The bundled Noto Sans has no Chinese, Japanese or Korean glyphs: Qt finds
  # them through fontconfig. The Debian package depends on it too.
  fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
