#!/usr/bin/env bash
# Makes the release archives twice and takes them as a user would: the same
# bytes both times (a file of another time each pass), the sums right, nothing
# outside each archive's top folder, each unpacked into an empty folder outside
# the build tree, quillmend.exe run from there (its version the project's), and
# the example host built against the unpacked skin package and run.
# Usage: archives.sh <build folder> <version> <toolchain file>
set -euo pipefail
trap 'echo "failed: $BASH_COMMAND" >&2' ERR
cd "$1"
app=quillmend-$2-win64 skin=quillmend-skin-$2-win64-mingw root=$(mktemp -d)
for pass in 1 2; do
  touch -d @${pass}000000000 packaging/README.txt
  cmake --build . --target dist >/dev/null
  sums[pass]=$(cat dist/SHA256SUMS)
done
[[ ${sums[1]} == "${sums[2]}" && $(cut -d' ' -f3 <<<"${sums[2]}") == "$app.zip"$'\n'"$skin.zip" ]]
(cd dist && sha256sum --quiet --strict -c SHA256SUMS)
for name in $app $skin; do
  entries=$(cmake -E tar tf dist/$name.zip)
  [[ -z $(grep -vE "^$name/" <<<"$entries"; grep -E '(^|/)\.\.(/|$)' <<<"$entries") ]]
  mkdir "$root/$name" && (cd "$root/$name" && cmake -E tar xf "$1/dist/$name.zip")
done
cd "$root/$app/$app"
[[ $(LC_ALL=C ls) == $'LICENSE\nREADME.txt\nquillmend.exe' ]]
grep -aq "name=\"Quillmend\" version=\"$2.0\"" quillmend.exe
[[ $(x86_64-w64-mingw32-strings -el quillmend.exe | grep -cx "$2\.0") == 2 ]] # file and product version
usage=$(wine quillmend.exe /?)
line=$(wine quillmend.exe /status) || (($? == 1)) # menu on or off
[[ $usage == "Usage: quillmend "*/status* && $line == [A-Z]* ]]
cd "$root" && cmake -S $skin/$skin/examples/host -B host -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$3" \
  -DCMAKE_PREFIX_PATH="$root/$skin/$skin" >/dev/null
cmake --build host >/dev/null
# Only the system's own libraries, common controls through the manifest, and no more than the invoker's rights.
x86_64-w64-mingw32-objdump -p host/skin-host.exe | grep "DLL Name" | grep -viqE ' (advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|ole32|oleaut32|shell32|user32)\.dll$' && exit 1
grep -aq 'Microsoft.Windows.Common-Controls' host/skin-host.exe && grep -aq 'level="asInvoker"' host/skin-host.exe
wine host/skin-host.exe /selftest
rm -rf "$root"
