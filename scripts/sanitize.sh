#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs the tests of
# the program's own code under them, leak detection on: core, model, command line, GUI and the
# fuzz corpus replay. Left out are the checks that look at the build from outside and have
# nothing for the sanitizers to watch beyond what the GUI tests run (scripts/test.sh runs them):
# the installed tree, the window manager and screen-reader checks on an X server, the desktop
# entry and AppStream validators, the configuration with other contact addresses and the
# model's link check. Built are only the programs those tests run (not the benchmarks, the
# picture generator or the desktop program itself), with line tables as the only debugging
# information (-g1): enough for the sanitizers' reports to name file and line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "${KALVORA_JOBS:-2}" --target kalvora_core_tests kalvora_model_tests \
  kalvora_cli_tests kalvora-calc kalvora_gui_tests fuzz_number_reader fuzz_result_format fuzz_batch fuzz_model
outside='^(install_and_start_elsewhere|desktop_window_under_openbox|results_readable_over_atspi'
outside+='|desktop_entry_valid|metainfo_valid|configured_contact_addresses|model_needs_no_toolkit)$'
ctest --preset sanitize -j "${KALVORA_JOBS:-2}" -E "$outside"
