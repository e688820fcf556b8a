#!/usr/bin/env bash
# Checks a built package: lintian finds no error, and unpacked into a scratch root it holds
# both programs, the desktop entry, the MIME package, the icons and the manual pages.
#   scripts/check-package.sh classshaper_1.4_amd64.deb
set -uo pipefail
deb=${1:?"which package?"}
status=0

echo "--- lintian"
lintian --fail-on error --info --display-level ">=warning" "$deb" || status=1

echo "--- files"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root" || exit 1
for file in \
    usr/bin/classshaper \
    usr/bin/classshaper-gen \
    usr/share/applications/veltrane-classshaper.desktop \
    usr/share/mime/packages/veltrane-classshaper.xml \
    usr/share/icons/hicolor/scalable/apps/veltrane-classshaper.svg \
    usr/share/icons/hicolor/16x16/apps/veltrane-classshaper.png \
    usr/share/icons/hicolor/48x48/apps/veltrane-classshaper.png \
    usr/share/icons/hicolor/256x256/apps/veltrane-classshaper.png \
    usr/share/man/man1/classshaper.1.gz \
    usr/share/man/man1/classshaper-gen.1.gz \
    usr/share/doc/classshaper/copyright; do
    [ -f "$root/$file" ] || { echo "missing: /$file"; status=1; }
done
# The unpacked generator runs and knows the version the package is named after.
version=$(dpkg-deb -f "$deb" Version)
"$root/usr/bin/classshaper-gen" --version | grep -qx "classshaper-gen $version" ||
    { echo "classshaper-gen --version does not say $version"; status=1; }
for field in Depends Recommends; do
    echo "$field: $(dpkg-deb -f "$deb" "$field")"
done
dpkg-deb -f "$deb" Recommends | grep -q qt6-translations-l10n ||
    { echo "qt6-translations-l10n is not recommended"; status=1; }

[ $status -eq 0 ] && echo "package ok: $deb" || echo "package FAILED: $deb"
exit $status
