#!/usr/bin/env bash
# Noorvale in the session's language on a real X server with a tray host, the built program with
# a store that opens the main window and asks nothing at start:
#   LANG=tr_TR.UTF-8: the main window's title and Ctrl+Q's exit question are the Turkish
#   catalogue's, Yes ends the program with status 0;
#   LANG=ar_SA.UTF-8: the main window is Arabic and laid out right to left (its title is the
#   catalogue's; screenshots of it in Month view and of the tray menu go to
#   $NOORVALE_SHOTS/lang-*.png when it is set).
#   smoke_language.sh <build folder> <source folder>
set -euo pipefail
build=$1
source=$2
tmp=$(mktemp -d)
chmod 700 "$tmp"
# Pictures for a person to look at, on request: NOORVALE_SHOTS=<folder>; they never decide the test.
shots=${NOORVALE_SHOTS:-}
[ -z "$shots" ] || mkdir -p "$shots"
pids=()
. "$(dirname "$0")/smoke_common.sh"
fail() {
  echo "FAIL: $*" >&2
  import -display "$DISPLAY" -window root "${shots:-${TMPDIR:-/tmp}}/lang-failure.png" 2>/dev/null &&
    echo "the screen at the failure: ${shots:-${TMPDIR:-/tmp}}/lang-failure.png" >&2 || true
  tail -20 "$tmp/noorvale.log" >&2 2>/dev/null || true
  exit 1
}
shot() { [ -z "$shots" ] || import -display "$DISPLAY" -window root "$shots/lang-$1.png" || true; }

# The translation of one English text in a catalogue source ("\n" for a line break, in and out).
translation() {
  python3 - "$source/translations/noorvale_$1.ts" "$2" <<'PY'
import sys, xml.etree.ElementTree as ET
for m in ET.parse(sys.argv[1]).getroot().iter("message"):
    if m.findtext("source") == sys.argv[2].replace("\\n", "\n"):
        print(m.findtext("translation").replace("\n", "\\n")); break
PY
}

start_display_with_tray

# Starts Noorvale in language $1 with a fresh store that opens the main window.
start() {
  export HOME="$tmp/home-$1" XDG_CONFIG_HOME="$tmp/home-$1/.config" XDG_STATE_HOME="$tmp/home-$1/.local/state" XDG_RUNTIME_DIR="$tmp/run-$1"
  mkdir -p "$XDG_CONFIG_HOME/Noorvale" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  cat > "$XDG_CONFIG_HOME/Noorvale/registry.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\ORVEN\Software\Noorvale\System\Startup]
"DefaultView"=dword:00000000
"UpdateMode"=dword:00000000
REG
  LANG=$2 LANGUAGE= LC_ALL= LC_MESSAGES= QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    NOORVALE_MSGBOX_LOG="$tmp/boxes-$1.log" NOORVALE_MSGBOX_ANSWERS=yes \
    "$build/Noorvale/Noorvale" >"$tmp/noorvale.log" 2>&1 &
  noorvale=$!
  pids+=($noorvale)
}
# The main window's caption in language $1 up to the next prayer: "Noorvale - Sonraki Namaz: ".
caption() { local t; t=$(translation "$1" "%1 - Next Prayer: %2"); t=${t//%1/Noorvale}; echo "${t%%%2*}"; }
# The visible window of ours whose caption starts with $1 (a plain prefix, in any script).
main_window() {
  local id
  for id in $(xdotool search --onlyvisible --class Noorvale 2>/dev/null); do
    case "$(xdotool getwindowname "$id")" in "$1"*) echo "$id"; return 0 ;; esac
  done
  return 1
}

# Turkish: the title, and the exit question.
start tr tr_TR.UTF-8
title=$(caption tr)
[ "$title" != "Noorvale - Next Prayer: " ] && [ -n "$title" ] || fail "the Turkish catalogue has no main window caption"
until_true 20 main_window "$title" || fail "no main window captioned '$title': $(xdotool search --class Noorvale getwindowname %@ 2>&1)"
window=$(main_window "$title" | head -1)
question=$(translation tr "Closing Noorvale will disable its Alert Features.\nAre you sure you want to quit?")
[ -n "$question" ] || fail "the Turkish catalogue has no exit question"
xdotool windowfocus --sync "$window" key ctrl+q
until_true 15 bash -c "! kill -0 $noorvale 2>/dev/null" || fail "Noorvale did not end after Ctrl+Q"
status=0; wait "$noorvale" || status=$?
[ "$status" = 0 ] || fail "Noorvale ended with status $status"
grep -qF "$question" "$tmp/boxes-tr.log" || fail "the exit question was not Turkish: $(cat "$tmp/boxes-tr.log")"

# Arabic: the main window and the tray menu, right to left.
start ar ar_SA.UTF-8
title=$(caption ar)
until_true 20 main_window "$title" || fail "no main window captioned '$title': $(xdotool search --class Noorvale getwindowname %@ 2>&1)"
xdotool windowfocus --sync "$(main_window "$title")" key ctrl+3
sleep 0.7
shot ar-main-month
until_true 10 test -n "$(tray_icon)" || fail "the tray icon did not dock"
eval "$(xdotool getwindowgeometry --shell "$(tray_icon)")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
sleep 0.7
shot ar-tray-menu
xdotool key Escape
kill -TERM "$noorvale"
status=0; wait "$noorvale" || status=$?
[ "$status" = 0 ] || fail "Noorvale ended with status $status"
echo "language smoke test on $DISPLAY passed${shots:+; screenshots in $shots}"
