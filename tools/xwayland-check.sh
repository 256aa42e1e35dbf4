#!/usr/bin/env bash
# Where the side windows open in a Wayland session, compared with plain X. Not a test: it
# needs an X server, weston and XWayland, which the test suite does without.
#
#   tools/xwayland-check.sh [PROGRAM]        (PROGRAM: build/src/app/toviran by default)
#
# Runs the program in up to three sessions and opens the mag data windows and the history
# window from its menu through the accessibility bus, as a screen reader would (weston's
# headless backend has no keyboard or mouse to type Ctrl+M with):
#   X        Xvfb with openbox;
#   XWayland weston's headless backend with XWayland, WAYLAND_DISPLAY and DISPLAY both set
#            and QT_QPA_PLATFORM unset, as in a Wayland desktop session;
#   Wayland  the same with QT_QPA_PLATFORM=wayland, when Qt's Wayland plugin is installed.
# For each window it prints where the program sees it (the toolkit's own geometry) and
# where the display shows it (the X server's position under Xvfb, weston's scene graph
# under weston), as client-area positions relative to the main window's.
#
# Needs: apt-get install --no-install-recommends xvfb openbox weston xwayland x11-utils
#        xdotool dbus-daemon at-spi2-core python3-pyatspi  (and qt6-wayland for the third)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/src/app/toviran}")
for tool in Xvfb openbox weston Xwayland xwininfo xdotool dbus-run-session \
  /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || [ -x "$tool" ] || { echo "needs $tool (see the head of $0)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime PROGRAM=$program HERE=$here
mkdir -m 700 "$XDG_RUNTIME_DIR"

# A display number that no other session holds.
free_display() {
  local n=100
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  echo $n
}

# Runs PROGRAM in the current display settings on the accessibility bus of a private D-Bus
# session and prints the windows' positions.
run_and_measure() {
  dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$PROGRAM" >/dev/null 2>&1 & app=$!
    sleep 3
    timeout 120 /usr/bin/python3 "$HERE/xwayland_positions.py" "$1"; status=$?
    kill $app $bus 2>/dev/null
    wait $app 2>/dev/null
    exit $status' bash "$1" 2>&1 | grep -v "dbus-daemon\|SpiRegistry" || true
}

echo "== X (Xvfb + openbox)"
display=$(free_display)
Xvfb ":$display" -screen 0 1280x1024x24 >/dev/null 2>&1 & xvfb=$!
sleep 1
DISPLAY=":$display" openbox >/dev/null 2>&1 & wm=$!
sleep 1
(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$display" bash -c "$(declare -f run_and_measure); run_and_measure x")
kill $wm $xvfb
wait $wm $xvfb 2>/dev/null || true

socket=wayland-toviran-check-$$
weston --backend=headless-backend.so --use-pixman --xwayland --debug --socket="$socket" \
  --width=1280 --height=1024 --idle-time=0 >"$work/weston.log" 2>&1 & weston=$!
for _ in $(seq 50); do grep -q "xserver listening on display" "$work/weston.log" && break; sleep 0.2; done
xdisplay=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")

echo "== XWayland (weston $(weston --version | cut -d' ' -f2), DISPLAY=$xdisplay, QT_QPA_PLATFORM unset)"
(env -u QT_QPA_PLATFORM WAYLAND_DISPLAY="$socket" DISPLAY="$xdisplay" \
  bash -c "$(declare -f run_and_measure); run_and_measure weston")

if ls /usr/lib/*/qt6/plugins/platforms/libqwayland-* >/dev/null 2>&1; then
  echo "== Wayland (weston, QT_QPA_PLATFORM=wayland)"
  (WAYLAND_DISPLAY="$socket" DISPLAY="$xdisplay" QT_QPA_PLATFORM=wayland \
    bash -c "$(declare -f run_and_measure); run_and_measure weston")
fi
kill $weston
wait $weston 2>/dev/null || true
