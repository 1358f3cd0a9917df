#!/usr/bin/env bash
# Makes the default alert sound Media/Nv_001.wav: a soft three-note chime followed by a voice
# saying "It is time for prayer." Everything is synthesised here (sox and espeak-ng), so the
# sound is our own. Mono, 22050 Hz, 16-bit; about four seconds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/Media/Nv_001.wav}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=22050
fmt=(-D -r "$rate" -c 1 -b 16)   # no dither: the same script always makes the same file

# One bell-like note: the tone, a quieter octave above it, a slow logarithmic decay.
note() {  # note NAME FREQUENCY OCTAVE_ABOVE START_SECONDS
  local len=1.6
  sox "${fmt[@]}" -n "$work/$1-a.wav" synth "$len" sine "$2"
  sox "${fmt[@]}" -n "$work/$1-b.wav" synth "$len" sine "$3" vol 0.25
  sox "${fmt[@]}" -m "$work/$1-a.wav" "$work/$1-b.wav" "$work/$1.wav" \
    fade l 0.01 "$len" 1.55 pad "$4"
}
note n1 659.25 1318.51 0      # E5
note n2 523.25 1046.50 0.4    # C5
note n3 392.00  783.99 0.8    # G4

# The voice, slowed a little and softened with a touch of reverb; it starts as the chime fades.
espeak-ng -v en -s 135 -p 45 -w "$work/voice-raw.wav" "It is time for prayer."
sox "$work/voice-raw.wav" "${fmt[@]}" "$work/voice.wav" reverb 20 50 40 gain -n -2 pad 1.9 0.2

sox "${fmt[@]}" -m "$work/n1.wav" "$work/n2.wav" "$work/n3.wav" "$work/voice.wav" "$out" \
  gain -n -3
echo "$out: $(soxi -D "$out") s, $(stat -c %s "$out") bytes"
