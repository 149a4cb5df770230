#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Horavox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Records the 31 voice clips into <out>/ (default app/resources/custom).
# Words come from festival's HTS voice, falling back to flite; every clip is
# resampled to 44100 Hz 16-bit mono, trimmed to the voice and peak-normalised
# so that words joined one after another sound equally loud. The bleep is
# synthesised with sox at 11025 Hz 8-bit unsigned.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../app/resources/custom}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Isolated words come out a little hurried from the voice; a slower speaking
# rate (hts_engine's -r) keeps each one distinct when the clock strings them
# together.
rate=0.85
# The high-pass takes out the voice's DC offset and rumble so that trimming
# and peak levels see only the voice. Anything quieter than this fraction of full scale at either end is silence.
threshold=0.4%

say() { # say <text> <wav>
    printf '%s\n' "$1" >"$work/text.txt"
    if command -v text2wave >/dev/null 2>&1; then
        text2wave -eval '(voice_cmu_us_slt_arctic_hts)' \
                  -eval "(set! hts_engine_params (append hts_engine_params '((\"-r\" $rate))))" \
                  "$work/text.txt" -o "$2" && return 0
    fi
    flite -voice slt -t "$1" -o "$2"
}

clip() { # clip <RESOURCE> <spoken text>
    say "$2" "$work/raw.wav"
    # Trim both ends, soften the cut with 5 ms fades, leave 5 ms of air and
    # bring the peak to -3 dBFS. sox writes the plain 44-byte PCM header.
    sox "$work/raw.wav" -r 44100 -b 16 -c 1 -e signed-integer "$out/$1.wav" \
        rate -v 44100 highpass 60 \
        silence 1 0.003 $threshold fade h 0.005 reverse \
        silence 1 0.003 $threshold fade h 0.005 reverse \
        pad 0.005 0.005 gain -n -3
}

clip ONE one
clip TWO two
clip THREE three
clip FOUR four
clip FIVE five
clip SIX six
clip SEVEN seven
clip EIGHT eight
clip NINE nine
clip TEN ten
clip ELEVEN eleven
clip TWELVE twelve
clip THIRTEEN thirteen
clip FOURTEEN fourteen
clip FIFTEEN fifteen
clip SIXTEEN sixteen
clip SEVENTEEN seventeen
clip EIGHTEEN eighteen
clip NINETEEN nineteen
clip TWENTY twenty
clip THIRTY thirty
clip FORTY forty
clip FIFTY fifty
clip OH oh
clip TIME "The time is"
clip AM "A M"
clip PM "P M"
clip MINUTE minute
clip MINUTES minutes
clip START "Start time"

# The bleep: a rising fifth (A5 then E6), each tone a soft sine with
# raised-cosine ends, 0.6 s in all.
sox -n -r 11025 -c 1 -b 16 "$work/t1.wav" synth 0.25 sine 880 fade h 0.04 0.25 0.09 vol 0.5
sox -n -r 11025 -c 1 -b 16 "$work/gap.wav" trim 0 0.05
sox -n -r 11025 -c 1 -b 16 "$work/t2.wav" synth 0.30 sine 1318.51 fade h 0.04 0.30 0.16 vol 0.5
sox "$work/t1.wav" "$work/gap.wav" "$work/t2.wav" \
    -r 11025 -c 1 -b 8 -e unsigned-integer "$out/BLEEP.wav" dither -s
