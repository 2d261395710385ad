#!/usr/bin/env bash
# Compares two folders of screenshots (benchmarks/screenshots.sh) pixel by pixel with ImageMagick:
# prints for each PNG the number of pixels that differ (or a different size, or a missing
# picture) and, for differing pictures, writes a picture of the differences into DIFF_FOLDER
# (default: a temporary folder, printed). Exit status 0 when every picture is identical.
# Each --mask GRAVITY:GEOMETRY paints that region (ImageMagick geometry, placed from the corner
# GRAVITY) black in both pictures first: for parts that change from run to run, such as the
# Windows view's memory texts and gauge (see README).
#   benchmarks/compare-screenshots.sh [--mask GRAVITY:GEOMETRY]... A B [DIFF_FOLDER]
set -euo pipefail
usage="usage: compare-screenshots.sh [--mask GRAVITY:GEOMETRY]... A B [DIFF_FOLDER]"
masks=()
while [ "${1:-}" = --mask ]; do
  masks+=(-gravity "${2%%:*}" -region "${2#*:}" -fill black -colorize 100 +region)
  shift 2
done
a=${1:?$usage}
b=${2:?$usage}
diffs=${3:-$(mktemp -d "${TMPDIR:-/tmp}/kalvora-screenshot-diff.XXXXXX")}
mkdir -p "$diffs"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0 same=0
for name in $( (cd "$a" && ls *.png; cd "$b" && ls *.png) 2>/dev/null | sort -u); do
  if [ ! -f "$a/$name" ] || [ ! -f "$b/$name" ]; then
    echo "$name: only in $([ -f "$a/$name" ] && echo "$a" || echo "$b")"; status=1; continue
  fi
  size_a=$(identify -format '%wx%h' "$a/$name") size_b=$(identify -format '%wx%h' "$b/$name")
  if [ "$size_a" != "$size_b" ]; then
    echo "$name: size $size_a against $size_b"; status=1; continue
  fi
  convert "$a/$name" "${masks[@]}" "$work/a.png"
  convert "$b/$name" "${masks[@]}" "$work/b.png"
  # compare prints the count on stderr and exits 1 when the pictures differ.
  pixels=$(compare -metric AE "$work/a.png" "$work/b.png" "$diffs/$name" 2>&1 >/dev/null || true)
  if [ "$pixels" = 0 ]; then
    same=$((same + 1)); rm -f "$diffs/$name"
  else
    echo "$name: $pixels pixels differ"; status=1
  fi
done
echo "$same identical; differences drawn in $diffs"
exit $status
