#!/usr/bin/env bash
# Builds Quillmend and opens it under Wine: on the current X display if there
# is one; otherwise under Xvfb, where it saves a screenshot and closes it.
# "scripts/run.sh gallery" opens the skin gallery instead.
set -euo pipefail
case "${1:-main}" in
  main)    program=app/quillmend.exe;       title="Quillmend";    shot=quillmend ;;
  gallery) program=gallery/skin-gallery.exe; title="Skin Gallery"; shot=skin-gallery ;;
  *) echo "usage: scripts/run.sh [main|gallery]" >&2; exit 2 ;;
esac

source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
cmake --build "$QM_BUILD" --target "$(basename "$program" .exe)" snap

if [[ -n "${DISPLAY:-}" ]]; then
  exec wine "$QM_BUILD/$program"
fi

mkdir -p "$QM_BUILD/screens"
png=$QM_BUILD/screens/$shot-window.png
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine "$1" &
  wine "$2" "$3" "$(winepath -w "$4")"
  status=$?
  wait
  wineserver -k
  exit $status' _ "$QM_BUILD/$program" "$QM_BUILD/tools/snap.exe" "$title" "$png"
echo "Screenshot: $png"
