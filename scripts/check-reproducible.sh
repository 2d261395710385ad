#!/usr/bin/env bash
# Checks that a package repeats bit for bit: copies the sources as they stand into another folder
# (the copies dated now, so that no file time of the disk can slip into a package),
# builds the package there a second time and compares it byte for byte with the package of the
# first build folder. Both take SOURCE_DATE_EPOCH from the last commit unless it is given.
#
#   scripts/check-reproducible.sh deb [FIRST_BUILD]      the .deb (first build: build/)
#   scripts/check-reproducible.sh windows [FIRST_BUILD]  the Windows zip and installer (build-windows/)
#
# The first build folder is brought up to date (or made, when missing) with its own settings; the
# second build copies its KALVORA_* settings and build type and builds only what the package holds.
# Builds through a compiler cache that rewrites paths (ccache's base_dir) do not compare.
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:?usage: check-reproducible.sh deb|windows [FIRST_BUILD]}
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
jobs=${KALVORA_JOBS:-2}

work=$(mktemp -d "${TMPDIR:-/tmp}/kalvora-second-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
second=$work/elsewhere/kalvora
mkdir -p "$second"
git ls-files -z --cached --others --exclude-standard |
  tar -c --null --ignore-failed-read -T - 2>/dev/null | tar -x -m -C "$second"

# Compares two packages; on a difference lists the files inside that differ.
compare() {
  local first=$1 again=$2
  if cmp -s "$first" "$again"; then
    echo "reproducible: $(basename "$first") ($(stat -c %s "$first") bytes, sha256 $(sha256sum <"$first" | cut -c1-16)...)"
    return 0
  fi
  echo "NOT reproducible: $first and $again differ" >&2
  mkdir -p "$work/a" "$work/b"
  case $first in
    *.deb) dpkg-deb -R "$first" "$work/a"; dpkg-deb -R "$again" "$work/b" ;;
    *.zip) python3 -m zipfile -e "$first" "$work/a"; python3 -m zipfile -e "$again" "$work/b" ;;
    *) return 1 ;;
  esac
  diff -r "$work/a" "$work/b" >&2 || true
  return 1
}

case $kind in
  deb)
    first=${2:-build}
    if [ ! -f "$first/CMakeCache.txt" ]; then
      cmake -S . -B "$first" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVORA_BUILD_TESTS=OFF >/dev/null
    fi
    mapfile -t settings < <(sed -n 's/^\(KALVORA_[A-Z_]*\|CMAKE_BUILD_TYPE\):\([A-Z]*\)=\(.*\)$/-D\1:\2=\3/p' \
      "$first/CMakeCache.txt" | grep -v '^-DKALVORA_BUILD_TESTS:')
    targets=(kalvora kalvora-calc kalvora_compressed_docs)
    cmake -S . -B "$first" >/dev/null
    cmake --build "$first" -j "$jobs" --target "${targets[@]}"
    cmake -S "$second" -B "$second/build" -G Ninja "${settings[@]}" -DKALVORA_BUILD_TESTS=OFF \
      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
    cmake --build "$second/build" -j "$jobs" --target "${targets[@]}"
    for dir in "$first" "$second/build"; do
      rm -f "$dir"/kalvora_*.deb
      (cd "$dir" && cpack -G DEB >/dev/null)
    done
    compare "$(ls "$first"/kalvora_*.deb)" "$(ls "$second"/build/kalvora_*.deb)"
    ;;
  windows)
    first=${2:-build-windows}
    KALVORA_WINDOWS_BUILD=$first scripts/package-windows.sh >/dev/null
    (cd "$second" && KALVORA_WINDOWS_BUILD=build-windows scripts/package-windows.sh >/dev/null)
    status=0
    for package in "$first"/dist/kalvora-*-win64.zip "$first"/dist/kalvora-*-setup.exe; do
      compare "$package" "$second/build-windows/dist/$(basename "$package")" || status=1
    done
    exit $status
    ;;
  *)
    echo "usage: check-reproducible.sh deb|windows [FIRST_BUILD]" >&2
    exit 2
    ;;
esac
