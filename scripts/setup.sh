#!/usr/bin/env bash
# Installs what a bare Debian 12 machine lacks to build, run and test Ponorka.
# Idempotent: quiet and quick when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config clang-format
  liballegro4-dev libfreetype-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2 fonts-freefont-ttf fonts-open-sans fonts-oldstandard
  xvfb xdotool x11-utils imagemagick valgrind
  python3 python3-xlib
  libpng-dev
  desktop-file-utils appstream lintian groff man-db dpkg-dev file
  gettext locales
  shared-mime-info xdg-utils libxml2-utils libglib2.0-bin
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A locale with a decimal comma, for the test that the summary keeps its points.
if ! locale -a 2>/dev/null | grep -qix 'sk_SK.utf8'; then
  echo "Generating the locale sk_SK.UTF-8"
  $SUDO localedef -i sk_SK -c -f UTF-8 -A /usr/share/locale/locale.alias sk_SK.UTF-8
fi
