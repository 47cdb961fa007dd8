#!/usr/bin/env bash
# Builds the Debian package build/ponorka_<version>_amd64.deb (or into $PONORKA_BUILD_DIR)
# with CPack, from a build of its own in <build>/package, and checks it with lintian:
# any error or warning fails the script. Install it with
#   sudo apt install ./build/ponorka_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BUILD_DIR=${PONORKA_BUILD_DIR:-build}
PKG_BUILD=$BUILD_DIR/package
mkdir -p "$BUILD_DIR"
OUT=$(cd "$BUILD_DIR" && pwd)

# Debian's hardening flags. None of them touches the arithmetic: the project's own
# -ffp-contract=off comes after them, and the optimisation level is the usual -O2.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now"

# The prefix /usr makes the font links relative ones inside /usr, as Debian's policy asks.
cmake -S . -B "$PKG_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DPONORKA_FONT_LINKS=relative -DPONORKA_TESTS=OFF -DPONORKA_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$PKG_BUILD" -j "$(nproc)"
VERSION=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$PKG_BUILD/CPackConfig.cmake")
NAME=ponorka_${VERSION}_$(dpkg --print-architecture).deb
DEB=$OUT/$NAME
rm -f "$DEB" "$PKG_BUILD/$NAME"
(cd "$PKG_BUILD" && cpack -G DEB >/dev/null)
[ -f "$PKG_BUILD/$NAME" ] || { echo "package.sh: cpack wrote no $PKG_BUILD/$NAME" >&2; exit 1; }
mv "$PKG_BUILD/$NAME" "$DEB"

echo "== $DEB ($(du -k "$DEB" | cut -f1) KiB)"
dpkg-deb -f "$DEB" Package Version Architecture Section Installed-Size Depends
echo "== lintian"
lintian --info --display-info --fail-on error,warning "$DEB"
echo "lintian: no error, no warning"
