# Sourced by the smoke tests, after they have set $tmp (their scratch folder) and pids (the
# background processes they start): the clean-up at exit and the wait for a condition.
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
