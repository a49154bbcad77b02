#!/usr/bin/env bash
# Builds everything and runs the whole test suite under Wine and Xvfb.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/deps.sh
source scripts/env.sh

cmake --preset mingw -B "$QM_BUILD" >/dev/null
scripts/prefix.sh
cmake --build "$QM_BUILD"
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir "$QM_BUILD" --output-on-failure "$@"
