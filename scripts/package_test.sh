#!/bin/sh
# Builds the Debian package of a build folder (uncompressed, unstripped: only its contents are
# checked) and checks what it holds and what it depends on.
# Usage: scripts/package_test.sh BUILD_FOLDER
set -eu
build=$(realpath "$1")
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null ||
    { echo "package test: dpkg-dev is not installed, skipped"; exit 0; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

(cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" \
    -D CPACK_DEBIAN_COMPRESSION_TYPE=none -D CPACK_STRIP_FILES=OFF >"$tmp/cpack.log" 2>&1) ||
    { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$tmp"/out/*.deb)
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$tmp/contents"
for f in /usr/bin/vantora /usr/share/applications/vantora95.desktop \
         /usr/share/mime/packages/vantora95.xml /usr/share/metainfo/org.vantora.Vantora95.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/vantora95.svg /usr/share/icons/hicolor/48x48/apps/vantora95.png \
         /usr/share/vantora95/help/VTK.html /usr/share/vantora95/Dtasampl.WMS /usr/share/vantora95/NetSampl.WMW; do
    grep -qx "$f" "$tmp/contents" || fail "$f is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for d in libqt6widgets6 libqt6printsupport6 fonts-liberation2; do
    echo "$depends" | grep -q "$d" || fail "the package does not depend on $d"
done
mkdir "$tmp/root"
dpkg-deb -x "$deb" "$tmp/root"
grep -q '^GenericName=' "$tmp/root/usr/share/applications/vantora95.desktop" || fail "no GenericName"
grep -q '^Keywords=' "$tmp/root/usr/share/applications/vantora95.desktop" || fail "no Keywords"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/org.vantora.Vantora95.metainfo.xml" ||
        fail "the metainfo file is not valid"
fi
echo "package test: passed"
