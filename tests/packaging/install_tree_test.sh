#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree under /usr into a throw-away DESTDIR and checks the
# result as a desktop would see it: the files in their places, the desktop
# entry and AppStream file valid, the icons at their sizes, and the game
# started through the installed launcher into a freshly seeded data folder.
#
#   install_tree_test.sh <cmake> <build dir> <source dir>
set -euo pipefail
source "$(dirname "$0")/check.sh"

cmake=$1
build=$2
source_dir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
app_id=example.wordbloom.Wordbloom

section "cmake --install puts every file in its place"
DESTDIR=$root "$cmake" --install "$build" --prefix /usr --component wordbloom >"$work/install.log"
expected="usr/bin/wordbloom
usr/lib/wordbloom/modules/progress_window.so
usr/lib/wordbloom/wordbloom
usr/share/applications/$app_id.desktop
usr/share/doc/wordbloom/README.md
usr/share/doc/wordbloom/copyright
usr/share/icons/hicolor/128x128/apps/$app_id.png
usr/share/icons/hicolor/256x256/apps/$app_id.png
usr/share/icons/hicolor/32x32/apps/$app_id.png
usr/share/icons/hicolor/64x64/apps/$app_id.png
usr/share/icons/hicolor/scalable/apps/$app_id.svg
usr/share/man/man6/wordbloom.6.gz
usr/share/metainfo/$app_id.metainfo.xml
usr/share/wordbloom/starter/履歴.txt
usr/share/wordbloom/starter/設定.txt
usr/share/wordbloom/starter/題目.txt"
check_same "$(cd "$root" && find . -type f -printf '%P\n' | LC_ALL=C sort)" \
    "$(LC_ALL=C sort <<<"$expected")" "installed files"
check test -x "$root/usr/bin/wordbloom"
check test -x "$root/usr/lib/wordbloom/wordbloom"
for name in 設定.txt 題目.txt 履歴.txt; do
    check cmp -s "$source_dir/data/$name" "$root/usr/share/wordbloom/starter/$name"
done

section "desktop entry and AppStream metadata validate"
check desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
metainfo=$(cat "$root/usr/share/metainfo/$app_id.metainfo.xml")
check_contains "$metainfo" "<project_license>GPL-3.0-or-later</project_license>" "AppStream licence"
# The release is the newest entry of the Debian changelog, dated by its signature line.
changelog=$source_dir/packaging/debian/changelog
release_version=$(sed -n '1s/^wordbloom (\([^-]*\)-.*/\1/p' "$changelog")
release_day=$(sed -n '/^ -- /{s/.*  [A-Z][a-z][a-z], \([0-9]* [A-Z][a-z]* [0-9]*\) .*/\1/p;q}' \
    "$changelog")
check_contains "$metainfo" "<release version=\"$release_version\" date=\"$(date -d "$release_day" +%F)\"/>" \
    "AppStream release"
entry=$(cat "$root/usr/share/applications/$app_id.desktop")
for line in "Exec=wordbloom" "Icon=$app_id" "Categories=Game;" "Name[ja]=" "Comment[ja]="; do
    check_contains "$entry" "$line" "desktop entry"
done

section "the bitmaps are rendered at their sizes from the SVG"
for size in 32 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
    check_contains "$(file -b "$png")" "PNG image data, $size x $size, 8-bit/color RGBA" \
        "$size px icon"
done
check cmp -s "$source_dir/window/art/start.svg" \
    "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg"

section "the installed launcher starts the game in a fresh data folder"
home=$work/home
mkdir "$home" "$work/elsewhere"
status=0
(cd "$work/elsewhere" &&
    env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen WORDBLOOM_QUIT_AFTER_SHOW=1 \
        timeout 30 "$root/usr/bin/wordbloom") || status=$?
check_same "$status" 0 "exit status of the game"
for name in 設定.txt 題目.txt 履歴.txt; do
    check cmp -s "$source_dir/data/$name" "$home/.local/share/wordbloom/$name"
done
check_same "$(ls -A "$work/elsewhere")" "" "files left in the starting folder"

section "an install into ~/.local leaves the player's files in the data folder alone"
home=$work/local-home
folder=$home/.local/share/wordbloom
mkdir -p "$folder"
printf '120,0\r\n' >"$folder/設定.txt"
record='"2024/01/15","14:30:05","t",1,1,0,0,1,"0.10/秒","10秒"'
printf '%s\r\n' "$record" | iconv -f UTF-8 -t CP932 >"$folder/履歴.txt"
"$cmake" --install "$build" --prefix "$home/.local" --component wordbloom >>"$work/install.log"
check_same "$(od -An -c "$folder/設定.txt" | tr -s ' ')" " 1 2 0 , 0 \r \n" "player's settings"
check_same "$(iconv -f CP932 -t UTF-8 "$folder/履歴.txt")" "$record"$'\r' "player's play history"
status=0
env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen WORDBLOOM_QUIT_AFTER_SHOW=1 \
    timeout 30 "$home/.local/bin/wordbloom" || status=$?
check_same "$status" 0 "exit status of the game"
check cmp -s "$source_dir/data/題目.txt" "$folder/題目.txt"

finish
