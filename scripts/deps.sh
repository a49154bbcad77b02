#!/usr/bin/env bash
# Makes sure the Debian packages the build and the tests need are installed.
# As root it installs what is missing; otherwise it names the packages and stops.
set -euo pipefail

# clang and lld build the product a second time, for the MinGW-w64 target.
packages=(
  g++-mingw-w64-x86-64-posix cmake ninja-build googletest clang-14 lld-14
  wine wine64 xvfb xauth fonts-wqy-microhei fonts-arphic-gbsn00lp
  fonts-arphic-bsmi00lp fonts-wine imagemagick locales
)
# The tests run Quillmend under Simplified Chinese, Traditional Chinese and
# English user interface languages; Wine takes them from the Unix locale,
# which must exist.
locales=(zh_CN zh_TW zh_HK en_US)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
missing_locales=()
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qx "$l.utf8" || missing_locales+=("$l")
done
[[ ${#missing[@]} -eq 0 && ${#missing_locales[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
  if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Quillmend needs these Debian packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  fi
  for l in "${missing_locales[@]}"; do
    echo "Quillmend needs the locale $l.UTF-8: sudo localedef -i $l -f UTF-8 $l.UTF-8" >&2
  done
  exit 1
fi

if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing ${missing[*]} ..."
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
for l in "${missing_locales[@]}"; do
  localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
