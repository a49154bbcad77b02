#!/usr/bin/env bash
# The full soak and fuzz run: 10,000 hover/press/release/leave cycles, 1,000
# attach/detach cycles of the gallery and of Form1, and 200,000 fuzzed
# messages, through the same test program CI runs with shorter counts.
# Usage: scripts/soak.sh [seed]   (the fuzzer's seed; a fixed one by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
cmake --build "$QM_BUILD" --target test_skin
export QM_SOAK_CYCLES=10000 QM_ATTACH_CYCLES=1000 QM_FUZZ_MESSAGES=200000
[[ $# -gt 0 ]] && export QM_FUZZ_SEED=$1
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
  'wineserver -p; wine "$0" --gtest_filter="Soak.*:Fuzz.*"; status=$?; wineserver -k; exit $status' \
  "$QM_BUILD/tests/test_skin.exe"
