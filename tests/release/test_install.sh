#!/usr/bin/env bash
# The install/uninstall round trip, as a user does it, into a temporary home and prefix.
#   test_install.sh <source folder> <build folder>
set -euo pipefail
src=$1 build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_STATE_HOME
mkdir -p "$HOME"
prefix="$tmp/opt/Noorvale"
fail() { echo "FAIL: $*" >&2; exit 1; }

NOORVALE_BUILD_DIR="$build" "$src/scripts/install" --prefix "$prefix" --autostart > "$tmp/install.log"
grep -q "Noorvale is installed in $prefix" "$tmp/install.log" || fail "install did not report its folder"

for f in Noorvale noorvale-times Noorvale.html Noorvale_ar.html Noorvale_ur.html Noorvale_tr.html Noorvale_id.html Noorvale_fr.html graphics/Main_ON.png graphics/picclock.jpg Media/Nv_001.wav noorvale.desktop; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/Noorvale" ] || fail "Noorvale is not executable"
entry="$HOME/.local/share/applications/noorvale.desktop"
[ -f "$entry" ] || fail "no entry in the application menu"
grep -qx "Exec=\"$prefix/Noorvale\"" "$entry" || fail "the menu entry does not start the installed program"
grep -qx "Icon=noorvale" "$entry" || fail "the menu entry has no icon"
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
  [ "$(identify -format %wx%h "$HOME/.local/share/icons/hicolor/$size/apps/noorvale.png" 2>/dev/null)" = "$size" ] ||
    fail "no $size icon in the icon theme"
done
[ -f "$HOME/.local/share/icons/hicolor/scalable/apps/noorvale.svg" ] || fail "no scalable icon"
[ -f "$HOME/.config/autostart/noorvale.desktop" ] || fail "no autostart entry"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry" || fail "the menu entry is not valid"; fi

# The installed folder works on its own, from anywhere.
(cd / && "$prefix/noorvale-times" --lat 30:23N --lon 91:00W --tz -6 --from 2002-06-21 --days 1 --format json --astronomy classic) \
  | grep -q '"seconds": \[13267, 18001, 43639, 56620, 69037, 73771\]' || fail "the installed noorvale-times does not work"
# The user owns every installed file, so the update utility can replace them without root.
[ -z "$(find "$prefix" ! -user "$(id -u)")" ] || fail "some installed files are not the user's"

# An update published by the maker and applied by Tarvo to the installed folder, as its user.
product="$tmp/product" site="$tmp/site"
mkdir -p "$product/Media"
{ cat "$prefix/Media/Nv_001.wav"; printf 'a newer sound'; } > "$product/Media/Nv_001.wav"
echo "What is new in 1.1" > "$product/NEWS.txt"
python3 "$src/tools/nv-publish" "$product" "$site" --product Noorvale --version 1.1 --allow-future-date --date "2030-01-01 00:00:00" >/dev/null
port=$((20000 + RANDOM % 20000))
python3 -m http.server --bind 127.0.0.1 "$port" --directory "$site" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$tmp"' EXIT
sleep 1
params=$(python3 -c "import sys; print(''.join(chr(ord(c) ^ 0x1F) for c in sys.argv[1]))" \
  "http://127.0.0.1:$port/update.ini,Noorvale,Noorvale,4")
NOORVALE_MSGBOX_LOG="$tmp/boxes.log" NOORVALE_MSGBOX_ANSWERS=ok QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$tmp" \
  "$prefix/Tarvo" "$params" >"$tmp/tarvo.log" 2>&1 &
tarvo=$!
# The old copies reach their backup names last, after the new files are in.
for _ in $(seq 100); do
  cmp -s "$prefix/Media/Nv_001.wav" "$product/Media/Nv_001.wav" && [ -f "$prefix/NEWS.txt" ] &&
    cmp -s "$prefix/Backup/Nv_001.wav" "$build/Noorvale/Media/Nv_001.wav" && break
  sleep 0.2
done
kill "$tarvo" 2>/dev/null || true  # it waits on its Finish button
cmp -s "$prefix/Media/Nv_001.wav" "$product/Media/Nv_001.wav" || fail "Tarvo did not install the new sound: $(cat "$tmp/boxes.log" 2>/dev/null)"
[ -f "$prefix/NEWS.txt" ] || fail "Tarvo did not install the new file"
cmp -s "$prefix/Backup/Nv_001.wav" "$build/Noorvale/Media/Nv_001.wav" || fail "the replaced sound was not backed up"

# What the user made stays: the settings, and a file of their own in the program folder.
mkdir -p "$HOME/.config/Noorvale"
echo "REGEDIT4" > "$HOME/.config/Noorvale/registry.reg"
echo "mine" > "$prefix/notes.txt"

"$src/scripts/uninstall" --prefix "$prefix" > "$tmp/uninstall.log"
[ ! -e "$prefix/Noorvale" ] || fail "Noorvale is still there"
[ ! -e "$prefix/graphics" ] || fail "graphics/ is still there"
[ ! -e "$entry" ] || fail "the menu entry is still there"
[ ! -e "$HOME/.config/autostart/noorvale.desktop" ] || fail "the autostart entry is still there"
[ -z "$(find "$HOME/.local/share/icons" -name 'noorvale.*' 2>/dev/null)" ] || fail "the icons are still there"
[ -f "$prefix/notes.txt" ] || fail "the user's own file was removed"
[ -f "$HOME/.config/Noorvale/registry.reg" ] || fail "the settings were removed"
if "$src/scripts/uninstall" --prefix "$prefix" 2>/dev/null; then fail "a second uninstall claims success"; fi
