#!/usr/bin/env bash
# Tarvo and Quenlo stand on common/, the update library and the Qt helpers alone. This fails when
# a program holds code of a library it must not link: a function the library defines (nm type T,
# a definition that exists once) defined in the program too, a call into QtDBus, or a shared
# library that only those layers bring in (ICU, QtDBus).
#
#   check_layers.sh PROGRAM... -- FORBIDDEN_LIBRARY.a... -- WITNESS_LIBRARY.a
#
# The witness is a library the programs do link: finding its functions in them shows that the
# comparison sees what it should in this build (plain, sanitized, whatever the flags).
set -uo pipefail

programs=() forbidden=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do programs+=("$1"); shift; done
shift
while [ $# -gt 0 ] && [ "$1" != "--" ]; do forbidden+=("$1"); shift; done
shift
witness=${1:?the witness library}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# The functions a file defines, by mangled name, one a line.
defined() { nm -P --defined-only "$1" 2>/dev/null | awk '$2 == "T" { print $1 }' | sort -u; }

for library in "${forbidden[@]}"; do
  defined "$library" >>"$tmp/forbidden.raw"
  [ "$(defined "$library" | wc -l)" -gt 10 ] || fail "nm finds next to no functions in $library"
done
sort -u "$tmp/forbidden.raw" >"$tmp/forbidden"
defined "$witness" >"$tmp/witness"

for program in "${programs[@]}"; do
  name=$(basename "$program")
  defined "$program" >"$tmp/program"
  witnessed=$(comm -12 "$tmp/program" "$tmp/witness" | wc -l)
  [ "$witnessed" -gt 0 ] || fail "$name: none of $(basename "$witness")'s functions found: the comparison sees nothing"
  comm -12 "$tmp/program" "$tmp/forbidden" >"$tmp/found"
  if [ -s "$tmp/found" ]; then
    fail "$name holds $(wc -l <"$tmp/found") of the $(wc -l <"$tmp/forbidden") functions of the libraries it must not link, among them:"
    head -n 8 "$tmp/found" | c++filt | sed 's/^/    /'
  else
    echo "$name: $witnessed functions of $(basename "$witness"), none of the $(wc -l <"$tmp/forbidden") forbidden ones"
  fi
  dbus=$(nm -P --undefined-only "$program" | awk '{ print $1 }' | grep -c 'QDBus')
  [ "$dbus" -eq 0 ] || fail "$name calls QtDBus ($dbus symbols)"
  needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
  for lib in libQt6DBus libicu; do
    if grep -q "^$lib" <<<"$needed"; then fail "$name needs $(grep "^$lib" <<<"$needed" | tr '\n' ' ')"; fi
  done
done
exit $failed
