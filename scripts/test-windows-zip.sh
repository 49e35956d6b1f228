#!/usr/bin/env bash
# Builds the Windows zip, unpacks it into a fresh folder and starts the
# program from there under Wine, on the real "windows" platform on a virtual
# X display, as an unprivileged user. Checks, as a user would see them:
# 1. the window titled "Quorvane" appears, with a client area of 514x595;
# 2. Save before Open shows the warning box;
# 3. a file opened through Wine's native dialog shows its bytes (read back
#    through the clipboard: a click in a value box selects it, Ctrl+C copies);
# 4. typed at a person's pace, an emptied box then 200 saves 200, 77 then
#    Ctrl+S saves 77, and 44 then Alt+S then 9 15 ms later saves 44;
# 5. a second Open confirmed at once with Return reopens the same file and
#    creates nothing beside the exe;
# then closes the program with Alt+F4 and expects it to end normally.
# Before that it checks the zip itself: Qt's version, the manifest inside the
# exe, a licence text for everything in it, the user's documents, and the
# source: the program's own, of the commit it names, and the offer of Qt's,
# with the Debian source version the Qt archive records, where it is kept, and
# the scripts that built Qt.
set -euo pipefail
source "$(dirname "$0")/windows-lib.sh"

zip="$("$QUORVANE_ROOT/scripts/package-windows.sh" | tail -n 1)"
run="$(quorvane_wine_folder)"
trap 'rm -rf "$run"' EXIT
unzip -q "$zip" -d "$run"
program="$run/$(basename "$zip" .zip)"
image="$run/game.sfc"
head -c 3145728 /dev/urandom > "$image"
chown --reference="$run" "$image"
zip_lacks() {
  echo "FAILED: the zip lacks $*" >&2
  exit 1
}
strings -el "$program/Qt6Core.dll" | grep -qx "$QUORVANE_QT_VERSION.0" || zip_lacks "Qt $QUORVANE_QT_VERSION"
for setting in PerMonitorV2 longPathAware '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' Microsoft.Windows.Common-Controls; do
  grep -q "$setting" "$program/quorvane.exe" || zip_lacks "$setting in the manifest of quorvane.exe"
done
for text in LICENSE.txt Qt-LGPL-3.txt Qt-GPL-3.txt Qt-NOTICE.txt licenses/MinGW-GCC-runtime.txt \
  licenses/MinGW-w64-winpthreads.txt licenses/Qt/qtbase-$QUORVANE_QT_VERSION.spdx; do
  [ -s "$program/$text" ] || zip_lacks "$text"
done
# Every licence the bill of materials names has its text, under its own name.
for licence in $(sed -n 's/^PackageLicense\(Concluded\|Declared\): //p' "$program"/licenses/Qt/*.spdx |
  tr ' ()' '\n\n\n' | grep -vxE 'AND|OR|WITH|NOASSERTION|NONE|' | sort -u); do
  [ -n "$(find "$program/licenses" -name "$licence.txt" -size +0)" ] || zip_lacks "the text of $licence"
done
ls "$program/source/qt-for-windows/"*.sh >/dev/null 2>&1 || zip_lacks "the scripts that built Qt"
# Quorvane's own source, as the commit it names holds it, and the documents.
commit="$(git -C "$QUORVANE_ROOT" rev-parse HEAD)"
grep -q "commit $commit\." "$program/source/quorvane/COMMIT.txt" || zip_lacks "the commit its source is of"
cmp -s "$QUORVANE_ROOT/scripts/build-windows.sh" "$program/source/quorvane/scripts/build-windows.sh" ||
  zip_lacks "the scripts that build it, in Quorvane's source"
for document in README.md docs/using.md docs/troubleshooting.md docs/quorvane-window.png; do
  cmp -s "$QUORVANE_ROOT/$document" "$program/$document" || zip_lacks "$document"
done
# The offer names the source version that the Qt archive records.
recorded="$(awk '{print $2; exit}' "$QUORVANE_WINDOWS_QT/BUILT-FROM.txt")"
cmp -s "$QUORVANE_WINDOWS_QT/BUILT-FROM.txt" "$program/source/qt-for-windows/BUILT-FROM.txt" ||
  zip_lacks "the Qt archive's record of its source"
for offer in 'source\quorvane\' "qt6-base version $recorded," "snapshot archive"; do
  grep -qF "$offer" "$program/Qt-NOTICE.txt" || zip_lacks "\"$offer\" in the source offer"
done
grep -q "Qt-GPL-3.txt" "$program/licenses/MinGW-GCC-runtime.txt" || zip_lacks "the GCC runtime's GPL in the zip"
for part in freetype harfbuzz-ng pcre2 zlib libpng double-conversion md4c tinycbor; do
  ls "$program/licenses/Qt/3rdparty/$part" | grep -qv qt_attribution.json || zip_lacks "the licence of $part"
done
echo "PASSED: the zip holds Qt $QUORVANE_QT_VERSION, the exe's manifest and the licence of every part"
fists_first_byte="$(od -An -tu1 -j $((0x2CE600)) -N1 "$image" | tr -d ' ')"

export program image fists_first_byte
# A program that stops answering must fail the run, not hang it.
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24 -ac" bash "$QUORVANE_ROOT/scripts/drive-windows-program.sh"
