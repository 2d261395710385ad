#!/usr/bin/env bash
# Compares two folders of screenshots (benchmarks/screenshots.sh) pixel by pixel with ImageMagick:
# prints for each PNG the number of pixels that differ (or a different size, or a missing
# picture) and, for differing pictures, writes a picture of the differences into DIFF_FOLDER
# (default: a temporary folder, printed). Exit status 0 when every picture is identical.
#   benchmarks/compare-screenshots.sh A B [DIFF_FOLDER]
set -euo pipefail
a=${1:?usage: compare-screenshots.sh A B [DIFF_FOLDER]}
b=${2:?usage: compare-screenshots.sh A B [DIFF_FOLDER]}
diffs=${3:-$(mktemp -d "${TMPDIR:-/tmp}/kalvora-screenshot-diff.XXXXXX")}
mkdir -p "$diffs"
status=0 same=0
for name in $( (cd "$a" && ls *.png; cd "$b" && ls *.png) 2>/dev/null | sort -u); do
  if [ ! -f "$a/$name" ] || [ ! -f "$b/$name" ]; then
    echo "$name: only in $([ -f "$a/$name" ] && echo "$a" || echo "$b")"; status=1; continue
  fi
  size_a=$(identify -format '%wx%h' "$a/$name") size_b=$(identify -format '%wx%h' "$b/$name")
  if [ "$size_a" != "$size_b" ]; then
    echo "$name: size $size_a against $size_b"; status=1; continue
  fi
  # compare prints the count on stderr and exits 1 when the pictures differ.
  pixels=$(compare -metric AE "$a/$name" "$b/$name" "$diffs/$name" 2>&1 >/dev/null || true)
  if [ "$pixels" = 0 ]; then
    same=$((same + 1)); rm -f "$diffs/$name"
  else
    echo "$name: $pixels pixels differ"; status=1
  fi
done
echo "$same identical; differences drawn in $diffs"
exit $status
