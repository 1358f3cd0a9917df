# Sourced by the smoke tests, after they have set $tmp (their scratch folder) and pids (the
# background processes they start): the clean-up at exit, the wait for a condition, and for the
# X smoke tests a display with a tray host and the tray icon on it.
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
# Waits up to $1 seconds for the command after it to succeed.
until_true() {
  local limit=$1; shift
  for _ in $(seq $((limit * 10))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}
# A display of its own (DISPLAY) with a tray host docked at its top right, for the X smoke tests.
start_display_with_tray() {
  # The server picks a free display number itself and writes it when it is ready.
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3> "$tmp/display" >/dev/null 2>&1 &
  pids+=($!)
  until_true 10 test -s "$tmp/display" || fail "Xvfb did not start"
  export DISPLAY=:$(head -1 "$tmp/display")
  until_true 10 xdpyinfo || fail "Xvfb did not start"
  trayer --edge top --align right --widthtype pixel --width 120 --height 32 --transparent false >/dev/null 2>&1 &
  pids+=($!)
  until_true 10 xdotool search --name '^panel$' || fail "the tray host did not start"
}
# The window of Noorvale's tray icon inside the tray host, once it has docked.
tray_icon() {
  local panel
  panel=$(xdotool search --name '^panel$' | head -1)
  [ -n "$panel" ] && xwininfo -tree -id "$panel" | awk '/0x[0-9a-f]+ "Noorvale"/ {print $1; exit}'
}
