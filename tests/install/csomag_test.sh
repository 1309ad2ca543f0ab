#!/usr/bin/env bash
# Builds the Debian package of the build into a temporary folder and checks
# that it installs the programs and their data under /usr and that its
# dependencies name the libraries the programs load.
# Usage: csomag_test.sh BUILD_DIR [CPACK]; exit 77 (skipped) without dpkg-dev.
set -euo pipefail
build=$1
cpack=${2:-cpack}
if ! command -v dpkg-shlibdeps >/dev/null || ! command -v dpkg-deb >/dev/null; then
  echo "dpkg-dev is not installed"
  exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

hiba() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 ||
  hiba "cpack: $(cat "$tmp/cpack.log")"
debs=("$tmp"/zelvaris_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || hiba "no single zelvaris_*.deb: $(ls "$tmp")"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6svg6 python3-numpy; do
  [[ ", $depends," == *", $lib "* || ", $depends," == *", $lib,"* ]] || hiba "Depends lacks $lib: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/contents"
for f in ./usr/bin/zelvaris ./usr/bin/zelvaris-batch ./usr/share/zelvaris/languages/English.lng \
  ./usr/share/zelvaris/okocfg/meadow.okocfg ./usr/share/applications/zelvaris.desktop \
  ./usr/share/icons/hicolor/scalable/apps/zelvaris.svg ./usr/share/mime/packages/zelvaris.xml \
  ./usr/share/man/man1/zelvaris.1 ./usr/share/doc/zelvaris/README.md \
  ./usr/share/doc/zelvaris/guide.md ./usr/share/doc/zelvaris/images/map.png; do
  grep -qxF "$f" "$tmp/contents" || hiba "the package lacks $f"
done
outside=$(grep -v -e '^\./$' -e '^\./usr/' "$tmp/contents" || true)
[ -z "$outside" ] || hiba "the package installs outside /usr: $outside"
echo "$(basename "$deb"): Depends: $depends"
