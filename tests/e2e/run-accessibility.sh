#!/usr/bin/env bash
# Runs the accessibility suite (accessibility.py) against a built program folder, on a display,
# session bus and accessibility bus of its own: Xvfb on a free display, a private dbus session
# bus, at-spi-bus-launcher, and a throwaway copy of the program folder with its own HOME, so no
# real person's files are touched. Everything started here is ended at the end, by PID, also on
# failure or timeout.
#
#   tests/e2e/run-accessibility.sh build/program [suite.py [part ...]]
set -euo pipefail

program_dir="$(cd "${1:?usage: $0 PROGRAM_DIR [SUITE]}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
suite="${2:-$here/accessibility.py}"
limit="${SV_E2E_TIMEOUT:-90}" # seconds for the whole suite

for tool in Xvfb dbus-daemon /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (scripts/deps.sh installs it)" >&2; exit 1; }
done

work="$(mktemp -d /tmp/sv-e2e.XXXXXX)"
# Every process started from here on carries this mark in its environment, the ones the buses
# start on their own included; the clean-up ends exactly those.
export SV_E2E_MARK="sv-e2e-$$-$RANDOM$RANDOM"

ours() {
  local f pid
  for f in $(grep -lzx "SV_E2E_MARK=$SV_E2E_MARK" /proc/[0-9]*/environ 2>/dev/null); do
    pid="${f#/proc/}"
    pid="${pid%/environ}"
    [ "$pid" = "$$" ] || [ "$pid" = "$BASHPID" ] || echo "$pid"
  done
}

cleanup() {
  local status=$? pids pid
  trap - EXIT INT TERM
  pids="$(ours)"
  for pid in $pids; do kill -TERM "$pid" 2>/dev/null || true; done
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    pids="$(ours)"
    [ -z "$pids" ] && break
    sleep 0.2
  done
  for pid in $pids; do kill -KILL "$pid" 2>/dev/null || true; done
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
cp -a "$program_dir" "$work/program"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
export XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache"
unset SESSION_MANAGER

# A display of its own: Xvfb chooses a free number and writes it to fd 3.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
exec 3>&-
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# A private session bus, then the accessibility bus announced on it.
bus="$(dbus-daemon --session --fork --print-address=1 --print-pid=1)"
export DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p <<<"$bus")"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &

export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export SV_E2E_PROGRAM="$work/program/sv_wf"

status=0
timeout -k 5 "$limit" /usr/bin/python3 -u "$suite" "${@:3}" || status=$?
[ "$status" -eq 124 ] && echo "the accessibility suite took longer than ${limit} s" >&2
exit "$status"
