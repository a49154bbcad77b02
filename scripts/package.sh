#!/usr/bin/env bash
# Builds the release configuration and writes the two release archives and
# their SHA256SUMS into build/dist/:
#   quillmend-<version>-win64.zip             the program, its licence and README.txt
#   quillmend-skin-<version>-win64-mingw.zip  the skin package and the example host
# The same commit gives byte-identical archives.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
cmake --build "$QM_BUILD" --target dist
(cd "$QM_BUILD/dist" && LC_ALL=C ls -l)
