#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program, offscreen, from a
# folder that holds none of its files: it must find its toolbar strip through the installed data
# folder (no missing-toolbar message), also after the whole prefix has been moved elsewhere.
# Without the installed strip the message must appear, which shows the check can fail.
# Arguments: the build folder, and the data folder compiled into the program as its last resort.
set -euo pipefail
build_dir=$1
configured_data_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for file in bin/kalvora bin/kalvora-calc share/kalvora/toolbar508.bmp share/kalvora/toolbar508@2x.bmp \
            share/kalvora/kalvora-napoveda.html \
            share/applications/org.kalvora.Kalvora.desktop share/metainfo/org.kalvora.Kalvora.metainfo.xml \
            share/icons/hicolor/scalable/apps/org.kalvora.Kalvora.svg \
            share/icons/hicolor/48x48/apps/org.kalvora.Kalvora.png share/man/man1/kalvora-calc.1.gz \
            share/man/man1/kalvora.1.gz share/doc/kalvora/copyright share/doc/kalvora/changelog.gz; do
  [ -s "$prefix/$file" ] || fail "$file was not installed"
done

mkdir "$work/elsewhere"
cd "$work/elsewhere"
export QT_QPA_PLATFORM=offscreen KALVORA_QUIT_AFTER_SHOW=1
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
log=$work/log

start() {  # program: starts it until its window is painted; the log holds what it reported
  timeout 60 "$1" >/dev/null 2>"$log" || { cat "$log" >&2; fail "$1 did not start and end by itself"; }
  grep -q '^startup-probe: shown_at_ns=' "$log" || { cat "$log" >&2; fail "$1 never showed its window"; }
}
missing_toolbar='startup-probe: message box "Kalvora 5.0.9": Není ve složce programu toolbarXXX.bmp'

start "$prefix/bin/kalvora"
if grep -q '^startup-probe: message box' "$log"; then cat "$log" >&2; fail "a message box was shown"; fi

mv "$prefix" "$work/moved"
start "$work/moved/bin/kalvora"
if grep -q '^startup-probe: message box' "$log"; then cat "$log" >&2; fail "moved: a message box was shown"; fi
installed_result=$("$work/moved/bin/kalvora-calc" current 12 3) || fail "the installed kalvora-calc failed"
[ -n "$installed_result" ] && [ "$installed_result" = "$("$build_dir/bin/kalvora-calc" current 12 3)" ] ||
  fail "the installed kalvora-calc computes otherwise than the built one"

if [ -e "$configured_data_dir/toolbar508.bmp" ]; then
  echo "$configured_data_dir holds an installed strip: the check without a strip is left out"
else
  rm "$work/moved/share/kalvora/toolbar508.bmp"
  start "$work/moved/bin/kalvora"
  grep -qF "$missing_toolbar" "$log" || { cat "$log" >&2; fail "no missing-toolbar message without the strip"; }
fi
echo "installed program found its files"
