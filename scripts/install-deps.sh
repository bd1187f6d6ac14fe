#!/usr/bin/env bash
# Installs the Debian packages Tessaly builds and tests with; does nothing when
# they are all present already.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache clang lld
  unzip zip p7zip-full  # the ZIP tests check our archives with these tools
  python3  # the update window scripts serve their update page on loopback
  tidy  # the template tests check every built-in page with it
  librsvg2-bin  # draws the PNG program icons from the SVG at build time
  desktop-file-utils appstream dpkg-dev  # the install tests validate the desktop files and build the .deb
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libgl-dev
  libjpeg62-turbo-dev zlib1g-dev libpng-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libqscintilla2-qt6-dev libgif-dev  # benchmark peers (HTML scanner, GIF decoder), bench/ only
  xvfb xauth fonts-liberation fonts-dejavu-core
  # fallback fonts for what the editor font lacks: DejaVu above gives Cyrillic,
  # Greek, Hebrew and Arabic; these Chinese, Japanese, Korean and emoji
  fonts-noto-cjk fonts-noto-color-emoji
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
