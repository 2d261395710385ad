#!/usr/bin/env bash
# Lists the functions each given Windows program imports (objdump's import tables) and fails on
# every one that is not in tests/win32/windows7_imports.txt, so that a program built here still
# starts on Windows 7 SP1 and 8.1. Usage: check_imports.sh PROGRAM.exe...
set -euo pipefail
allowed=$(dirname "$0")/windows7_imports.txt
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
status=0
for program in "$@"; do
  imports=$("$objdump" -p "$program" |
    awk '/DLL Name:/ {dll = tolower($3)} /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ {print dll ":" $3}' | sort -u)
  if [ -z "$imports" ]; then
    echo "$program: no import table read"
    status=1
    continue
  fi
  unknown=$(comm -23 <(echo "$imports") <(grep -v '^#' "$allowed" | sort -u))
  if [ -n "$unknown" ]; then
    echo "$program imports what Windows 7 SP1 may lack (load it with GetProcAddress instead):"
    echo "$unknown" | sed 's/^/  /'
    status=1
  else
    echo "$program: $(echo "$imports" | wc -l) imports, all present in Windows 7 SP1"
  fi
done
exit $status
