#!/usr/bin/env bash
# Sourced by the other scripts: the build folder and the environment that keeps
# Wine inside the project's own prefix.
QM_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QM_BUILD=${QM_BUILD:-$QM_ROOT/build}
export WINEPREFIX=$QM_BUILD/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8
# Chinese user interface language (the window's texts), the C code pages.
export LC_MESSAGES=zh_CN.UTF-8
export WINEARCH=win64
