#!/usr/bin/env bash
# Creates and configures the project's own Wine prefix inside the build folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

# The stamp holds this script's checksum: a prefix made by another version of
# it (other font replacements, say) is made anew.
stamp=$WINEPREFIX/.quillmend-ready
version=$(sha256sum <"${BASH_SOURCE[0]}")
[[ -f $stamp && $(<"$stamp") == "$version" ]] && exit 0

wineserver -k 2>/dev/null || true # a server still running in the old prefix
rm -rf "$WINEPREFIX"
mkdir -p "$QM_BUILD"
echo "Creating the Wine prefix in $WINEPREFIX ..."
wineboot -i >/dev/null 2>&1 || true
wineserver -w

reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
# A UTF-16 script keeps the Chinese face names intact whatever the code page.
# Without Managed=N every hide or destroy costs two seconds and the title bar
# cannot be read back.
{
  printf '\xff\xfe'
  printf 'Windows Registry Editor Version 5.00\r\n\r\n' | iconv -f UTF-8 -t UTF-16LE
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n' | iconv -f UTF-8 -t UTF-16LE
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n' | iconv -f UTF-8 -t UTF-16LE
  for face in SimSun 宋体 NSimSun 新宋体 SimHei 黑体 "Microsoft YaHei" 微软雅黑; do
    printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face" | iconv -f UTF-8 -t UTF-16LE
  done
  printf '\r\n' | iconv -f UTF-8 -t UTF-16LE
} >"$reg"
wine regedit /s "$(winepath -w "$reg")" >/dev/null 2>&1
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver -w
echo "$version" >"$stamp"
