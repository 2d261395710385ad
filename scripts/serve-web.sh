#!/usr/bin/env bash
# Serves the site built by scripts/build-web.sh on 127.0.0.1 and prints its address
# (port 8508 unless KALVORA_WEB_PORT says otherwise; 0 picks a free one). Ctrl+C stops it.
set -euo pipefail
cd "$(dirname "$0")/.."
site=${KALVORA_WEB_BUILD_DIR:-build-web}/site
[ -f "$site/index.html" ] || { echo "no site in $site: run scripts/build-web.sh first" >&2; exit 1; }
exec node web/tools/serve.mjs "$site" "${KALVORA_WEB_PORT:-8508}"
