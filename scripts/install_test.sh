#!/bin/sh
# Installs the built program into a temporary prefix and starts the installed copy offscreen with
# the prefix read-only: the user's files then go to "Vantora 95" in the documents folder, where the
# sample files are copied once, the settings under ~/.config, and the help documents are found in
# the prefix. A writable copy of the prefix behaves the same unless it is marked portable.
# Usage: scripts/install_test.sh BUILD_FOLDER
set -eu
build=$1
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install test: $*" >&2; exit 1; }
for f in bin/vantora share/applications/vantora95.desktop share/mime/packages/vantora95.xml \
         share/metainfo/org.vantora.Vantora95.metainfo.xml \
         share/icons/hicolor/scalable/apps/vantora95.svg share/icons/hicolor/16x16/apps/vantora95.png \
         share/icons/hicolor/48x48/apps/vantora95.png share/icons/hicolor/64x64/apps/vantora95.png \
         share/vantora95/help/VTK.html share/vantora95/Dtasampl.WMS; do
    [ -f "$prefix/$f" ] || fail "$f was not installed"
done
grep -q '^MimeType=.*application/x-vantora95-portfolio' "$prefix/share/applications/vantora95.desktop" ||
    fail "the desktop entry names no file types"

# Runs the installed program with the prefix read-only: a read-only mount of its own where
# possible (permissions do not stop root), else without write permission.
readonly_run() {
    if [ "$(id -u)" = 0 ] && unshare -m true 2>/dev/null; then
        unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" "$1" && shift && exec "$@"' \
            sh "$prefix" "$@"
    else
        chmod -R a-w "$prefix"
        "$@"
    fi
}

# A user of its own: the documents and configuration folders are under this home.
export HOME="$tmp/home" QT_QPA_PLATFORM=offscreen
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_DOCUMENTS_DIR
mkdir -p "$HOME"
folders=$(cd "$tmp" && readonly_run "$prefix/bin/vantora" --folders)
echo "$folders"
user="$HOME/Documents/Vantora 95"
echo "$folders" | grep -qx "Program folder: $user" || fail "the program folder is not $user"
echo "$folders" | grep -qx "Printout folder: $user/Printouts" || fail "printouts not in $user"
echo "$folders" | grep -qx "Settings file: $HOME/.config/Vantora95/Personal.vtp" || fail "settings not under ~/.config"
echo "$folders" | grep -qx "Help folder: $prefix/share/vantora95/help" || fail "help not found"
[ -f "$user/Dtasampl.WMS" ] || fail "the samples were not copied"

# A user install (~/.local) is writable, and still no place for the user's files; a folder
# marked portable is.
cp -a "$prefix" "$tmp/writable" && chmod -R u+w "$tmp/writable"
wfolders=$("$tmp/writable/bin/vantora" --folders)
echo "$wfolders" | grep -qx "Program folder: $user" || fail "a writable install keeps files beside itself"
touch "$tmp/writable/bin/vantora95.portable"
wfolders=$("$tmp/writable/bin/vantora" --folders)
echo "$wfolders" | grep -qx "Program folder: $tmp/writable/bin" || fail "a portable copy is not portable"
echo "$wfolders" | grep -qx "Settings file: $tmp/writable/bin/Personal.vtp" || fail "portable settings"

# Copied once: a sample deleted by the user stays deleted. And the program starts and keeps
# running (timeout's 124) until stopped.
rm "$user/Dtasampl.WMS"
status=0
(cd "$tmp" && readonly_run timeout 5 "$prefix/bin/vantora") || status=$?
[ "$status" = 124 ] || fail "the installed program ended with status $status"
[ ! -e "$user/Dtasampl.WMS" ] || fail "a deleted sample came back"
[ -d "$user" ] && [ -z "$(ls "$prefix/bin" | grep -v '^vantora$')" ] || fail "files written beside the program"
echo "install test: passed"
