#!/usr/bin/env bash
# Builds the benchmark and runs it under Wine and Xvfb: what the skin costs,
# each figure beside an unskinned baseline measured in the same run. Prints a
# markdown table; extra arguments go to the program (--startup-runs N).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
cmake --build "$QM_BUILD" --target quillmend-bench
wineserver -k 2>/dev/null || true
# One persistent wineserver for the whole run, so the child processes of the
# start-up figure do not each pay for starting it.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
  wine "$@"
  status=$?
  wineserver -k
  exit $status' _ "$QM_BUILD/bench/quillmend-bench.exe" "$@"
