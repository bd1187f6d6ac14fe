#!/usr/bin/env bash
# cmake --install of the build tree: the executables, the shipped folders
# under share/tessaly, and the desktop entry, icons and AppStream metadata,
# which the desktop's own validators accept.
set -euo pipefail
build=$1
source=$2
version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"
app=org.example.tessaly.Tessaly
for f in bin/tessaly bin/tessaly-cli; do
  [ -x "$f" ] || { echo "missing executable $f"; exit 1; }
done
# share/tessaly holds the shipped folders, file for file, and nothing else.
diff -r "$source/data/script" share/tessaly/script
diff -r "$source/data/lang" share/tessaly/lang
diff -r "$source/data/images" share/tessaly/images
[ "$(ls share/tessaly)" = "$(printf 'images\nlang\nscript')" ] || { echo "share/tessaly holds: $(ls share/tessaly)"; exit 1; }

entry=share/applications/$app.desktop
desktop-file-validate "$entry"
for line in 'GenericName=HTML Editor' 'Exec=tessaly %f' 'MimeType=text/html;application/xhtml+xml;' 'Icon=tessaly'; do
  grep -qx "$line" "$entry" || { echo "$entry lacks: $line"; exit 1; }
done
appstreamcli validate --no-net "share/metainfo/$app.metainfo.xml"
grep -q "<release version=\"$version\"" "share/metainfo/$app.metainfo.xml" || { echo "the metadata's release is not $version"; exit 1; }

cmp "$source/data/desktop/tessaly.svg" share/icons/hicolor/scalable/apps/tessaly.svg
# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 48 256; do
  png=share/icons/hicolor/${size}x${size}/apps/tessaly.png
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || { echo "$png is no PNG"; exit 1; }
  dims=$(od -An -j16 -N8 -tu1 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || { echo "$png is $dims"; exit 1; }
done
echo "installed $(find . -type f | wc -l) files"
