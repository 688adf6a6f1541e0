#!/usr/bin/env bash
# Installs the build folder $1 (own folders $2, "|"-separated) into a temporary prefix and checks the installed tree: every file
# in place, the desktop entry and the AppStream file valid, a first start seeding the user's
# folders from the installed data, and the uninstall leaving no file behind.
set -euo pipefail
build=$(cd "$1" && pwd)
id=jp.vantrel.kelvormini
work=$(mktemp -d)
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

# The install writes its manifest into the build folder: keep the one of the user's own
# make install, so that make uninstall still removes that install.
manifest=$build/install_manifest.txt
[ -f "$manifest" ] && cp -p "$manifest" "$work/users_manifest.txt"
restore() {
    if [ -f "$work/users_manifest.txt" ]; then mv "$work/users_manifest.txt" "$manifest"; fi
    rm -rf "$work"
}
trap restore EXIT
cmake -DCMAKE_INSTALL_PREFIX="$prefix" -P "$build/cmake_install.cmake" >/dev/null
mv "$manifest" "$work/install_manifest.txt"

for f in bin/kelvor-mini \
    share/kelvor-mini/SysData/TeamName.dat share/kelvor-mini/SysData/TeamName1.dat \
    share/kelvor-mini/SysData/TeamName2.dat share/kelvor-mini/SysData/J1J2.dat \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/doc/KelvorMini/LICENSE; do
    [ -f "$prefix/$f" ] || fail "$f was not installed"
done
for size in 16 24 32 48 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] ||
        fail "the ${size}x${size} icon was not installed"
done
[ -x "$prefix/bin/kelvor-mini" ] || fail "the program is not executable"
[ -e "$prefix/share/kelvor-mini/SysData/.gitkeep" ] && fail "the repository's .gitkeep was installed"

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"

# A first start of the installed copy by a user with an empty home folder.
home=$work/home
mkdir -p "$home"
(
    cd "$work"
    env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen \
        timeout -s INT 8 "$prefix/bin/kelvor-mini" >/dev/null 2>&1 || true
)
for f in TeamName.dat TeamName1.dat TeamName2.dat J1J2.dat; do
    [ -f "$home/.local/share/Kelvor mini/SysData/$f" ] || fail "the first start did not seed $f"
done
[ -e "$prefix/share/kelvor-mini/SysData/bigSettings.ini" ] &&
    fail "the program wrote into its installed data"

cmake "-DMANIFEST=$work/install_manifest.txt" \
    "-DOWN_DIRS=$2" \
    -P "$(dirname "$0")/../cmake/Uninstall.cmake" >/dev/null
left=$(find "$prefix" -type f -o -type l)
[ -z "$left" ] || fail "uninstall left: $left"
[ -e "$prefix/share/kelvor-mini" ] && fail "uninstall left the program's data folder"
echo "installed tree checked"
