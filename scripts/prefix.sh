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
# cannot be read back. The Song faces go to a Song face whose lines are as
# tall as SimSun's (12 pixels at 9 points), the Ming ones (the Traditional
# Chinese fallback of the system's fonts) to its Big5 sibling, the sans-serif
# ones to a sans-serif face. Neither Song face claims the Latin-1 code page, so
# Wine no longer takes them for the system's own faces, which the prefix lacks
# (Tahoma, MS Shell Dlg, which is SimSun under a Chinese code page, System):
# those keep the sans-serif face they reached through SimSun before.
{
  printf '\xff\xfe'
  printf 'Windows Registry Editor Version 5.00\r\n\r\n' | iconv -f UTF-8 -t UTF-16LE
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n' | iconv -f UTF-8 -t UTF-16LE
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n' | iconv -f UTF-8 -t UTF-16LE
  for face in SimSun 宋体 NSimSun 新宋体; do
    printf '"%s"="AR PL SungtiL GB"\r\n' "$face" | iconv -f UTF-8 -t UTF-16LE
  done
  for face in PMingLiU 新細明體 MingLiU 細明體; do
    printf '"%s"="AR PL Mingti2L Big5"\r\n' "$face" | iconv -f UTF-8 -t UTF-16LE
  done
  for face in SimHei 黑体 "Microsoft YaHei" 微软雅黑 Tahoma "MS Shell Dlg" "MS Shell Dlg 2" System; do
    printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face" | iconv -f UTF-8 -t UTF-16LE
  done
  printf '\r\n' | iconv -f UTF-8 -t UTF-16LE
} >"$reg"
wine regedit /s "$(winepath -w "$reg")" >/dev/null 2>&1
# That face has the GB2312 characters only: the Traditional ones come from its
# Big5 sibling through a font link.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "AR PL SungtiL GB" \
  /t REG_MULTI_SZ /d "bsmi00lp.ttf,AR PL Mingti2L Big5" /f >/dev/null 2>&1
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver -w
echo "$version" >"$stamp"
