#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what landed there.
set -euo pipefail
build=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
for f in bin/swl share/applications/slatewright.desktop \
    share/icons/hicolor/scalable/apps/slatewright.svg share/mime/packages/slatewright.xml \
    share/man/man1/swl.1 include/slatewright/ExPreformattedPrinter.h; do
    [[ -e $prefix/$f ]] || { echo "missing: $f"; fail=1; }
done
[[ -n $(find "$prefix" -name SlatewrightConfig.cmake) ]] || { echo "missing: SlatewrightConfig.cmake"; fail=1; }
if [[ -f $build/app/SWEditor ]]; then
    [[ -x $prefix/bin/SWEditor ]] || { echo "missing: bin/SWEditor"; fail=1; }
fi
desktop-file-validate "$prefix/share/applications/slatewright.desktop" || fail=1
xmllint --noout "$prefix/share/mime/packages/slatewright.xml" || fail=1
xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/slatewright.svg" || fail=1
# The MIME database built from our type recognises a layout by its content alone.
mkdir -p "$prefix/mimetest/packages"
cp "$prefix/share/mime/packages/slatewright.xml" "$prefix/mimetest/packages/"
update-mime-database "$prefix/mimetest" >/dev/null
grep -q 'application/x-slatewright-layout' "$prefix/mimetest/magic" || { echo "no magic entry"; fail=1; }
grep -q '\*\.swl' "$prefix/mimetest/globs2" || { echo "no glob entry"; fail=1; }
# The man page is well-formed roff.
groff -man -Tutf8 -ww -z "$prefix/share/man/man1/swl.1" 2>&1 | grep . && { echo "man page warnings"; fail=1; }
exit $fail
