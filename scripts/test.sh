#!/usr/bin/env bash
# Builds everything, builds the product code a second time with clang
# (warnings as errors), and runs the whole test suite under Wine and Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
cmake --build "$QM_BUILD"
cmake --preset mingw-clang >/dev/null
cmake --build --preset mingw-clang
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir "$QM_BUILD" --output-on-failure "$@"
