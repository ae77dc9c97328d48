#!/usr/bin/env bash
# Installs the build into a scratch root with `cmake --install` and checks
# the desktop integration there: the files are where the menus and software
# centres look for them, both validators accept them, and the desktop
# entry, metainfo and icon name each other correctly.
#
#   check-install-tree.sh <build-dir> <project-version> <app-id>
set -euo pipefail

build=$1
version=$2
app_id=$3

root=$(mktemp -d "${TMPDIR:-/tmp}/velmorra-tree.XXXXXX")
trap 'rm -rf "$root"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$root" cmake --install "$build" --prefix /usr
share="$root/usr/share"
desktop="$share/applications/$app_id.desktop"
metainfo="$share/metainfo/$app_id.metainfo.xml"
icon="$share/icons/hicolor/scalable/apps/$app_id.svg"
for f in "$desktop" "$metainfo" "$icon"; do
    [[ -f $f ]] || fail "not installed: ${f#"$root"}"
done

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
# Also resolves the metainfo's launchable against the installed entry.
appstreamcli validate-tree --no-net "$root"

key() { sed -n "s/^$1=//p" "$desktop"; }
[[ $(key Icon) == "$app_id" ]] || fail "Icon=$(key Icon), expected $app_id"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
grep -qF "<release version=\"$version\"" "$metainfo" ||
    fail "metainfo has no release $version"
exec_name=$(key Exec)
[[ -x $root/usr/bin/$exec_name ]] || fail "Exec=$exec_name but no usr/bin/$exec_name installed"

# The icon must be a whole SVG document that draws as a mostly opaque tile.
grep -q '<svg[^>]* viewBox="0 0 128 128"' "$icon" && [[ $(tail -c 8 "$icon") == *'</svg>'* ]] ||
    fail "icon is not a complete 128x128 SVG document"
# ImageMagick's SVG reader is an optional part of it (libmagickcore-6.q16-6-extra).
if convert -list format 2>/dev/null | grep -qE '^ *MSVG'; then
    coverage=$(convert -background none "msvg:$icon" -resize 64x64 -alpha extract -format '%[fx:mean]' info:)
    echo "icon coverage at 64x64: $coverage"
    awk -v c="$coverage" 'BEGIN { exit !(c > 0.6) }' || fail "icon draws almost nothing ($coverage)"
else
    echo "note: ImageMagick cannot read SVG here; icon drawing not checked"
fi
echo "install tree OK: $(cd "$root" && find . -type f | sort | tr '\n' ' ')"
