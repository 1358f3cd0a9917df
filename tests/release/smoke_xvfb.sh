#!/usr/bin/env bash
# Noorvale on a real X server: Xvfb with a tray host, the installed program with an empty
# settings store, driven by real mouse clicks and key presses:
#   the compact clock appears and the tray icon docks; the tray menu's Normal opens the main
#   window; Customize opens and closes; the tray menu's Exit asks, and Yes ends the program,
#   which has then saved its settings.
# Screenshots of the whole screen go to $NOORVALE_SHOTS/smoke-*.png when it is set.
#   smoke_xvfb.sh <build folder>
set -euo pipefail
build=$1
tmp=$(mktemp -d)
# Pictures for a person to look at, on request: NOORVALE_SHOTS=<folder>; they never decide the test.
shots=${NOORVALE_SHOTS:-}
[ -z "$shots" ] || mkdir -p "$shots"
pids=()
. "$(dirname "$0")/smoke_common.sh"
fail() {
  echo "FAIL: $*" >&2
  import -display "$DISPLAY" -window root "${shots:-${TMPDIR:-/tmp}}/smoke-failure.png" 2>/dev/null &&
    echo "the screen at the failure: ${shots:-${TMPDIR:-/tmp}}/smoke-failure.png" >&2 || true
  xwininfo -display "$DISPLAY" -root -tree 2>/dev/null | grep -v "has no name" | head -40 >&2 || true
  exit 1
}
shot() { [ -z "$shots" ] || import -display "$DISPLAY" -window root "$shots/smoke-$1.png" || true; }

# The installed program, in a folder of its own.
prefix="$tmp/Noorvale"
cmake --install "$build" --prefix "$prefix" >/dev/null
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_STATE_HOME="$tmp/home/.local/state" XDG_RUNTIME_DIR="$tmp"
# The keys below choose English menu entries, whatever the session's language.
export LANGUAGE= LC_ALL=C.UTF-8
mkdir -p "$HOME"

# A display, a tray on it.
start_display_with_tray

# Noorvale with an empty store.
QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$prefix/Noorvale" >"$tmp/noorvale.log" 2>&1 &
noorvale=$!
pids+=($noorvale)

window_shown() { xdotool search --onlyvisible --name "$1"; }
# The first start shows the compact clock, and asks about updates (answered No).
until_true 20 window_shown "^Noorvale message$" || fail "no update reminder"
shot 1-first-start
xdotool search --onlyvisible --name "^Noorvale message$" windowfocus --sync key n
until_true 10 sh -c "! xdotool search --onlyvisible --name '^Noorvale message$'" || fail "the reminder stayed"
until_true 10 xdotool search --onlyvisible --classname Noorvale || fail "no compact window"

# The tray icon docked in the tray host: a window of ours inside trayer's.
until_true 10 test -n "$(tray_icon)" || fail "the tray icon did not dock"
shot 2-compact-and-tray

# Right-click the tray icon: its menu; "n" chooses &Normal.
icon=$(tray_icon)
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
until_true 10 xdotool search --onlyvisible --classname "Noorvale" --name "^$" || true
sleep 0.5
shot 3-tray-menu
xdotool key n
until_true 10 window_shown "^Noorvale - Next Prayer: " || fail "the main window did not open from the tray menu"
sleep 0.5
shot 4-main-window

# Tools > Customize... opens the dialog; Escape closes it.
main=$(xdotool search --onlyvisible --name "^Noorvale - Next Prayer: " | head -1)
xdotool windowfocus --sync "$main" key alt+t
sleep 0.3
xdotool key c
if until_true 10 window_shown "^Customize"; then
  sleep 0.5
  shot 5-customize
  xdotool key Escape
  until_true 10 sh -c "! xdotool search --onlyvisible --name '^Customize'" || fail "Customize did not close"
else
  fail "Customize did not open"
fi

# Exit from the tray menu: the question, Yes, and the program ends.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
sleep 0.5
xdotool key e
until_true 10 window_shown "^Noorvale$" || fail "no Exit question"
shot 6-exit-question
xdotool search --onlyvisible --name "^Noorvale$" windowfocus --sync key y
until_true 15 sh -c "! kill -0 $noorvale" || fail "Noorvale did not end"
status=0; wait "$noorvale" || status=$?
[ "$status" = 0 ] || fail "Noorvale ended with status $status: $(cat "$tmp/noorvale.log")"

store="$XDG_CONFIG_HOME/Noorvale/registry.reg"
[ -f "$store" ] || fail "no settings were saved"
grep -q '"ViewMode"=dword:00000000' "$store" || fail "the view in use was not saved"
grep -q 'Noorvale\\System\\frmMain\]' "$store" || fail "the main window's place was not saved"
grep -q '"ViewID"=dword:00000002' "$store" || fail "the calendar settings were not saved"
echo "smoke test on $DISPLAY passed${shots:+; screenshots in $shots}"
