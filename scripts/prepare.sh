#!/usr/bin/env bash
# Sourced by the scripts that build: installs what is missing, sets the
# environment that keeps Wine in the project's prefix, configures the build
# folder and makes the prefix.
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/deps.sh
source scripts/env.sh
cmake --preset mingw -B "$QM_BUILD" >/dev/null
scripts/prefix.sh
