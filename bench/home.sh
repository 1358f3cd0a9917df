# Sourced by the start-up and idle benches: noorvale_home FOLDER [LANGUAGE] makes FOLDER a private
# home for one Noorvale start (settings, runtime, data and cache folders) whose settings open the
# main window at start with no update reminder, in LANGUAGE when one is given.
noorvale_home() {
  local home=$1
  mkdir -p "$home/.config/Noorvale" "$home/run" "$home/data" "$home/cache"
  chmod 700 "$home/run"
  cat > "$home/.config/Noorvale/registry.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\ORVEN\Software\Noorvale\System\Startup]
"DefaultView"=dword:00000000
"UpdateMode"=dword:00000000
REG
  if [ -n "${2:-}" ]; then
    printf '\n[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\Options]\n"Language"="%s"\n' "$2" \
      >> "$home/.config/Noorvale/registry.reg"
  fi
}
