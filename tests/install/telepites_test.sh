#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets: the
# tree, the desktop entry, AppStream data and file types as the desktop's own
# validators see them, the batch program on the installed meadow, and a start
# of the installed window program with its settings in the user's folder.
# Usage: telepites_test.sh BUILD_DIR [CMAKE]
set -euo pipefail
build=$1
cmake=${2:-cmake}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/usr

hiba() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" || hiba "cmake --install: $(cat "$tmp/install.log")"

for f in bin/zelvaris bin/zelvaris-batch \
  share/zelvaris/languages/English.lng share/zelvaris/languages/Magyar.lng \
  share/zelvaris/allat/fox.allat share/zelvaris/noveny/grass.noveny \
  share/zelvaris/okocfg/meadow.okocfg \
  share/zelvaris/okopill/meadow-400.okopill share/zelvaris/okopill/meadow-400.okodat \
  share/applications/zelvaris.desktop share/icons/hicolor/scalable/apps/zelvaris.svg \
  share/metainfo/org.zelvaris.Zelvaris.metainfo.xml share/mime/packages/zelvaris.xml \
  share/man/man1/zelvaris.1 share/man/man1/zelvaris-batch.1 share/doc/zelvaris/README.md \
  share/doc/zelvaris/guide.md share/doc/zelvaris/utmutato.md; do
  [ -f "$prefix/$f" ] || hiba "$f is not installed"
done
# Every picture the installed guides show is installed beside them.
for f in $(grep -oh '(images/[^)]*)' "$prefix"/share/doc/zelvaris/{guide,utmutato}.md | tr -d '()'); do
  [ -s "$prefix/share/doc/zelvaris/$f" ] || hiba "the guide shows $f, which is not installed"
done
# Only the two programs, and nothing beside bin/, share/ and the Python
# package in the interpreter's site-packages under lib/.
[ "$(ls "$prefix/bin" | tr '\n' ' ')" = "zelvaris zelvaris-batch " ] || hiba "bin/ holds: $(ls "$prefix/bin")"
[ "$(ls "$prefix" | grep -vx lib | tr '\n' ' ')" = "bin share " ] || hiba "the prefix holds: $(ls "$prefix")"
if [ -d "$prefix/lib" ]; then
  [ "$(cd "$prefix/lib" && find . -type f | grep -v '^\./python3[.0-9]*/dist-packages/zelvaris/')" = "" ] ||
    hiba "lib/ holds more than the Python package: $(cd "$prefix/lib" && find . -type f)"
  ls "$prefix"/lib/python3*/dist-packages/zelvaris/__init__.py >/dev/null 2>&1 || hiba "the Python package is incomplete"
fi
grep -q '@' "$prefix/share/man/man1/zelvaris.1" "$prefix/share/metainfo/org.zelvaris.Zelvaris.metainfo.xml" &&
  hiba "a placeholder was left unreplaced"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/zelvaris.desktop" >"$tmp/desktop.log" 2>&1 ||
    hiba "desktop-file-validate: $(cat "$tmp/desktop.log")"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.zelvaris.Zelvaris.metainfo.xml" >"$tmp/as.log" 2>&1 ||
    hiba "appstreamcli validate: $(cat "$tmp/as.log")"
elif command -v appstream-util >/dev/null; then
  appstream-util validate-relax --nonet "$prefix/share/metainfo/org.zelvaris.Zelvaris.metainfo.xml" ||
    hiba "appstream-util validate-relax"
fi
# Every type the menu entry opens is defined, and the database takes them.
for t in $(sed -n 's/^MimeType=//p' "$prefix/share/applications/zelvaris.desktop" | tr ';' ' '); do
  grep -q "<mime-type type=\"$t\">" "$prefix/share/mime/packages/zelvaris.xml" || hiba "$t is not defined"
done
if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime" >"$tmp/mime.log" 2>&1 || hiba "update-mime-database: $(cat "$tmp/mime.log")"
  for g in okocfg okopill allat noveny; do
    grep -q "application/x-zelvaris-$g:\*\.$g" "$prefix/share/mime/globs2" || hiba "no glob for .$g"
  done
fi
if command -v man >/dev/null && command -v groff >/dev/null; then
  for page in zelvaris zelvaris-batch; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || hiba "man $page: $warnings"
  done
fi

# The batch program runs the installed meadow.
cd "$tmp"
"$prefix/bin/zelvaris-batch" --seed 7 --steps 20 --series "$tmp/meadow.csv" \
  "$prefix/share/zelvaris/okocfg/meadow.okocfg" 2>"$tmp/batch.err" || hiba "zelvaris-batch: $(cat "$tmp/batch.err")"
[ "$(wc -l <"$tmp/meadow.csv")" -eq 21 ] || hiba "the series has $(wc -l <"$tmp/meadow.csv") lines"

# The window program starts offscreen on the installed meadow, with its
# settings in a temporary XDG_CONFIG_HOME; it neither writes beside itself
# nor touches the settings before it is closed. It has no way to be closed
# from outside, so it is stopped once it has been up for a while.
mkdir -p "$tmp/home" "$tmp/config/zelvaris"
printf '[SERVER]\r\nServerIP=192.0.2.7\r\n[LANGUAGE]\r\ndefaultlanguage=English.lng\r\n' \
  >"$tmp/config/zelvaris/defaultcfg.LIni"
cp "$tmp/config/zelvaris/defaultcfg.LIni" "$tmp/settings.before"
HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data QT_QPA_PLATFORM=offscreen \
  "$prefix/bin/zelvaris" "$prefix/share/zelvaris/okocfg/meadow.okocfg" >"$tmp/gui.out" 2>&1 &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
  status=0
  wait "$pid" || status=$?
  hiba "the window program ended with $status: $(cat "$tmp/gui.out")"
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
[ "$(ls "$prefix/bin" | tr '\n' ' ')" = "zelvaris zelvaris-batch " ] || hiba "the program wrote into bin/: $(ls "$prefix/bin")"
cmp -s "$tmp/settings.before" "$tmp/config/zelvaris/defaultcfg.LIni" || hiba "the settings changed"
echo "installed tree, desktop files, batch run and window start: ok"
