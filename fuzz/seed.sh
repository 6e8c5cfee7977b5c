#!/usr/bin/env bash
# The seed corpora, made from the shipped data set (built into build/Calendar) and the sources.
set -euo pipefail
root=$1
out=$2
data="$root/build/Calendar"
mkdir -p "$out/tables" "$out/rtf" "$out/views" "$out/settings" "$out/readings"
[ -d "$data" ] || { echo "build the project first (make build) for the seed corpus"; exit 0; }
sep=$(printf '\001')
{ for f in Relocatable Relocatable1 Special Weekdays Weekdays1 SpecWeekDays January; do
    cat "$data/$f.DAT"; printf '%s' "$sep"; done; } > "$out/tables/shipped"
cp "$data/Abbr.DAT" "$out/rtf/abbr.rtf"
cp "$root"/tests/golden/*.rtf "$out/rtf/" 2>/dev/null || true
{ for f in December January February28 Relocatable Relocatable1 Special Weekdays Weekdays1 SpecWeekDays Lectionary; do
    cat "$data/$f.DAT"; printf '%s' "$sep"; done; printf 'мч'; } > "$out/views/shipped"
grep -ho '^r[mfl]=.*\|^[a-z]*\.\(ap\|ev\)=.*\|^\(mat\|h[1369]\|ves\)=.*' "$root"/calendar/*.txt |
  sed 's/^[^=]*=//' | sort -u | split -l 40 - "$out/readings/shipped-"
printf 'Calendar=2\nFirstWeekday=7\nMinYear=1900\nMaxYear=2100\nWindowState=2\nHeight=6850\nWidth=9600\nLeft=100\nTop=100\n' \
  > "$out/settings/defaults"
