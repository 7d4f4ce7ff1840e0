#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running the planner
# need, only those that are missing: one apt-get update, then apt-get install -y.
set -euo pipefail
# fonts-liberation2 is the window's face; fonts-noto-color-emoji (10 MB, the one
# colour emoji face Debian has) and fonts-dejavu-core (3 MB, scripts such as
# Hebrew, Arabic, Armenian and Georgian) draw what it has no letters for.
# libxcb1-dev sets the window's frame hints on X; CMake finds it beside Xlib
# (libx11-dev). qt6-svg-dev (with libqt6svg6) draws the icon from its SVG file
# when the program is built; the planner itself needs no SVG library or plugin.
# xvfb and xauth give xvfb-run, a display for the planner on a machine without
# a screen.
packages=(cmake g++ make libgtest-dev librapidcheck-dev qt6-base-dev libx11-dev libxcb1-dev qt6-svg-dev
          fonts-liberation2 fonts-noto-color-emoji fonts-dejavu-core xvfb xauth "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y "${missing[@]}"
