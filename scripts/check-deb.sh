#!/usr/bin/env bash
# Makes the Debian package of a build folder (build/ unless given) with cpack and checks it with
# lintian, Debian's own package checker: any error or warning fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
command -v lintian >/dev/null || scripts/install-deps.sh --tests
rm -f "$build"/kalvora_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kalvora_*.deb)
lintian --fail-on error,warning --display-info "$deb"
echo "lintian: $(basename "$deb") has no errors or warnings"
