#!/usr/bin/env bash
# Runs the planner under the Orca screen reader on a virtual display and prints
# what Orca said: scripts/screen-reader-check.sh [KEY|sleep:N|type:TEXT ...]
# Keys are xdotool's names (Tab, shift+Tab, space, Return, Down); the planner
# opens with the focus in the name box. A check by hand, not a test: Orca's
# debug log (build/screen-reader/orca.log) records every SPEECH OUTPUT line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh orca openbox at-spi2-core dbus-x11 xdotool
cmake -S . -B build/user -DBUILD_TESTING=OFF >/dev/null
cmake --build build/user -j "$(nproc)" --target tessmar-planner >/dev/null
work=$(pwd)/build/screen-reader
rm -rf "$work" && mkdir -p "$work/home/.local/share/orca" "$work/run"
log=$work/orca.log
# Orca's own settings in a home of its own: speech through the silent server, no braille.
cat >"$work/home/.local/share/orca/user-settings.conf" <<'SETTINGS'
{"general": {"enableSpeech": true, "speechServerFactory": "null_speech", "enableBraille": false,
             "activeProfile": ["Default", "default"], "startingProfile": ["Default", "default"]},
 "profiles": {"default": {"profile": ["Default", "default"], "speechServerFactory": "null_speech",
                          "enableBraille": false}},
 "pronunciations": {}, "keybindings": {}}
SETTINGS
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
chmod 700 "$XDG_RUNTIME_DIR"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
display=:$((50 + RANDOM % 40))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
export DISPLAY=$display
sleep 1
eval "$(dbus-launch --sh-syntax)"; pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids+=($!)
sleep 1
openbox >/dev/null 2>&1 & pids+=($!)
PYTHONPATH=$(pwd)/scripts/screen_reader orca --replace --debug-file="$log" >"$work/orca.out" 2>&1 & orca=$!
pids+=($orca)
sleep 6
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb build/user/app/tessmar-planner >"$work/planner.out" 2>&1 &
planner=$!; pids+=($planner)
sleep 4
for key in "$@"; do
  case "$key" in
    sleep:*) sleep "${key#sleep:}" ;;
    type:*) xdotool type --delay 100 "${key#type:}"; sleep 1.2 ;;
    *) xdotool key "$key"; sleep 1.2 ;;
  esac
done
sleep 1
# Orca writes its log through a buffer that only a clean end flushes.
kill -TERM "$orca"; while kill -0 "$orca" 2>/dev/null; do sleep 0.25; done
grep -a "SPEECH OUTPUT" "$log" | sed "s/^[0-9:.]* - SPEECH OUTPUT: //; s/{'established': False}\$//"
