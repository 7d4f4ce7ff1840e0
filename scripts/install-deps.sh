#!/usr/bin/env bash
# Installs the Debian packages that building and testing the planner need,
# only those that are missing: one apt-get update, then apt-get install -y.
set -euo pipefail
packages=(cmake g++ make libgtest-dev librapidcheck-dev qt6-base-dev fonts-liberation2 xvfb xauth "$@")
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
