#!/usr/bin/env bash
# Installs what building, testing and running Pennyquill needs on Debian 12.
# Only missing packages are installed; uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins
  libqt6multimedia6 libqt6dbus6 libgl-dev
  # Window-manager hints (taskbar, workspaces) on X11.
  libxcb1-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-dejavu-core
  # Qt D-Bus comes with qt6-base-dev; the bus and gdbus are for its tests.
  dbus-daemon libglib2.0-bin
  # Spelling: Enchant and an English dictionary (its tests use the real one).
  libenchant-2-dev hunspell-en-us
  # Other languages: lupdate/lrelease and their CMake rules, and Qt's own translations.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
# Extra tools for looking at the program headless, on a Wayland compositor or
# a window manager (openbox), checking the desktop files and the package
# (lintian), fuzzing and profiling: --dev
if [[ "${1:-}" == "--dev" ]]; then
  packages+=(xvfb xauth x11-utils imagemagick clang libclang-rt-14-dev
    pulseaudio pulseaudio-utils dbus xdotool xrestop valgrind xtrace strace heaptrack
    weston xwayland qt6-wayland appstream desktop-file-utils openbox lintian
    at-spi2-core python3-pyatspi xpad trayer)
  # Moving the program's clock to try dated alarms; a notification service to watch.
  packages+=(faketime dunst)
  # Two machines on one synced notes folder (scripts/check_sync.sh): the engine and its API.
  packages+=(syncthing curl)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
