# Sourced by the start-up benches: starts an Xvfb server that picks its own display number and
# exports DISPLAY; its process id in $xvfb. Needs $tmp (a folder of the caller's).
start_xvfb() {
  xvfb=
  for _ in 1 2 3; do  # another server may take the number it picked in the meantime: try again
    : > "$tmp/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3> "$tmp/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
    export DISPLAY=:$(head -1 "$tmp/display")
    xdpyinfo >/dev/null 2>&1 && return 0
    kill $xvfb 2>/dev/null || true
  done
  return 1
}
