#!/usr/bin/env bash
# Noorvale on Wayland: a headless Weston compositor (it has no tray), the built program in tray-only
# mode with the update reminder off:
#   with no tray the compact clock opens, its window is mapped; a second start (with an activation
#   token, as a launcher gives it) brings the main window forward and ends; the session's end
#   (SIGTERM) saves the settings and ends cleanly; X11's tray code is never reached (it warns of a
#   missing systemTrayWindowChanged signal when it is).
# The program's side of the protocol (WAYLAND_DEBUG) shows which windows it made.
#   smoke_wayland.sh <build folder>
set -euo pipefail
build=$1
tmp=$(mktemp -d)
chmod 700 "$tmp"
pids=()
. "$(dirname "$0")/smoke_common.sh"
fail() {
  echo "FAIL: $*" >&2
  tail -20 "$tmp/noorvale.log" >&2 2>/dev/null || true
  exit 1
}

export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_STATE_HOME="$tmp/home/.local/state" XDG_RUNTIME_DIR="$tmp"
mkdir -p "$XDG_CONFIG_HOME/Noorvale"
cat > "$XDG_CONFIG_HOME/Noorvale/registry.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\ORVEN\Software\Noorvale\System\Startup]
"DefaultView"=dword:00000002
"UpdateMode"=dword:00000000
REG

socket=noorvale-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$tmp/weston.log" 2>&1 &
pids+=($!)
until_true 10 test -S "$tmp/$socket" || fail "Weston did not start"
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland SDL_AUDIODRIVER=dummy LANGUAGE= LC_ALL=C.UTF-8
# In a sanitizer build: Qt's Wayland plugins are unloaded before the leak check runs at exit, so
# what they keep cannot even be named by module; the leak check covers our code in every other test.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
unset DISPLAY DBUS_SESSION_BUS_ADDRESS

WAYLAND_DEBUG=client "$build/Noorvale/Noorvale" >"$tmp/noorvale.log" 2>&1 &
noorvale=$!
pids+=($noorvale)
mapped() { grep -q "$1" "$tmp/noorvale.log"; }
# Qt names each toplevel's title; the compositor's configure maps it.
until_true 20 mapped 'xdg_toplevel@[0-9]*\.set_title("Noorvale")' || fail "the compact clock did not appear"
until_true 10 mapped 'xdg_surface@[0-9]*\.configure' || fail "the compositor did not map a window"

XDG_ACTIVATION_TOKEN=smoke-token "$build/Noorvale/Noorvale" >"$tmp/second.log" 2>&1 &
second=$!
until_true 15 bash -c "! kill -0 $second 2>/dev/null" || fail "the second start did not end"
wait "$second" || fail "the second start failed"
until_true 10 mapped 'set_title("Noorvale - ' || fail "the main window did not come forward"
kill -0 "$noorvale" 2>/dev/null || fail "Noorvale ended"

kill -TERM "$noorvale"
status=0
wait "$noorvale" || status=$?
[ "$status" = 0 ] || fail "Noorvale ended with status $status"
grep -q '"ViewMode"=dword:00000000' "$XDG_CONFIG_HOME/Noorvale/registry.reg" || fail "the settings were not saved"
grep -q 'set_app_id("noorvale")' "$tmp/noorvale.log" || fail "the windows do not name the desktop entry"
! grep -q 'systemTrayWindowChanged' "$tmp/noorvale.log" || fail "X11's tray code was reached on Wayland"
echo "Wayland smoke test passed"
