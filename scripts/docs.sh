#!/usr/bin/env bash
# Refreshes the README's pictures: each docs/<name>.png from the screenshot of
# the same name that the last test run left in build/screens/ (the Chinese
# window, docs/quillmend.png, from quillmend-form1.png). Run scripts/test.sh first;
# a screenshot older than the program it shows is refused.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
for doc in "$QM_ROOT"/docs/*.png; do
  name=$(basename "$doc" .png)
  [[ $name == quillmend ]] && name=quillmend-form1
  shot=$QM_BUILD/screens/$name.png
  if [[ ! $shot -nt $QM_BUILD/app/quillmend.exe ]]; then
    echo "No screenshot of the current build at $shot: run scripts/test.sh first." >&2
    exit 1
  fi
  cp "$shot" "$doc"
done
echo "Refreshed docs/ from $QM_BUILD/screens/"
