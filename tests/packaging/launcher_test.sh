#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher, run from a made-up install tree whose "program" only records
# where it was started and with what: folder creation, starter copies, the
# data folder choice, symbolic links and the failures it must report.
#
#   launcher_test.sh <configured launcher>
set -euo pipefail
source "$(dirname "$0")/check.sh"

launcher=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tree=$work/tree
starters=$tree/share/wordbloom/starter
mkdir -p "$tree/bin" "$tree/lib/wordbloom" "$starters"
cp "$launcher" "$tree/bin/wordbloom"
cat >"$tree/lib/wordbloom/wordbloom" <<'PROGRAM'
#!/bin/sh
pwd >"$RECORD"
printf '%s\n' "$@" >>"$RECORD"
PROGRAM
chmod +x "$tree/lib/wordbloom/wordbloom"
printf '60,1\r\n' >"$starters/設定.txt"
printf 'topics\r\n' >"$starters/題目.txt"
: >"$starters/履歴.txt"
chmod 0444 "$starters/設定.txt"
export RECORD=$work/record

# Runs the launcher with a given HOME and XDG_DATA_HOME (empty = unset).
launch() {
    local home=$1 data_home=$2
    shift 2
    rm -f "$RECORD"
    env -u XDG_DATA_HOME HOME="$home" ${data_home:+XDG_DATA_HOME="$data_home"} \
        "$tree/bin/wordbloom" "$@"
}

section "a first start creates the data folder and copies every starter file"
home=$work/home1
mkdir "$home"
launch "$home" "" -style fusion
folder=$home/.local/share/wordbloom
check_same "$(head -n1 "$RECORD")" "$folder" "program started in the data folder"
check_same "$(tail -n +2 "$RECORD")" "-style
fusion" "arguments passed on"
for name in 設定.txt 題目.txt 履歴.txt; do
    check cmp -s "$starters/$name" "$folder/$name"
done
check test -w "$folder/設定.txt"

section "the player's files are never overwritten; only missing ones are added"
printf '120,0\r\n' >"$folder/設定.txt"
rm "$folder/題目.txt"
rm "$folder/履歴.txt"
ln -s "$work/nowhere" "$folder/履歴.txt"
launch "$home" ""
check_same "$(cat "$folder/設定.txt")" "$(printf '120,0\r')" "settings kept"
check cmp -s "$starters/題目.txt" "$folder/題目.txt"
check test -L "$folder/履歴.txt"
check test ! -e "$work/nowhere"

section "an absolute XDG_DATA_HOME is used, a relative one is ignored"
launch "$home" "$work/xdg"
check_same "$(head -n1 "$RECORD")" "$work/xdg/wordbloom" "XDG_DATA_HOME used"
(cd "$work" && launch "$home" "relative")
check_same "$(head -n1 "$RECORD")" "$folder" "relative XDG_DATA_HOME ignored"
check test ! -e "$work/relative"

section "started through a symbolic link, it still finds the program and starters"
mkdir "$work/links"
ln -s "$tree/bin/wordbloom" "$work/links/wordbloom"
mkdir "$work/home2"
env -u XDG_DATA_HOME HOME="$work/home2" "$work/links/wordbloom"
check_same "$(head -n1 "$RECORD")" "$work/home2/.local/share/wordbloom" "started via link"
check test -f "$work/home2/.local/share/wordbloom/題目.txt"

section "a path given to --import is taken from where the player started"
mkdir -p "$work/downloads"
(cd "$work/downloads" && launch "$home" "" --import 'old data.zip' -style fusion --import=/abs x)
check_same "$(tail -n +2 "$RECORD")" "--import
$work/downloads/old data.zip
-style
fusion
--import=/abs
x" "relative --import made absolute, the rest as given"
(cd "$work/downloads" && launch "$home" "" --import=sub/old)
check_same "$(tail -n +2 "$RECORD")" "--import=$work/downloads/sub/old" "--import=PATH made absolute"

section "failures are reported and the program is not started"
touch "$work/home3"
rm -f "$RECORD"
check_fails_with "cannot create the data folder" launch "$work/home3" ""
check test ! -e "$RECORD"
check_fails_with "neither XDG_DATA_HOME nor HOME is set" \
    env -u HOME -u XDG_DATA_HOME "$tree/bin/wordbloom"
mv "$tree/lib/wordbloom/wordbloom" "$work/moved"
check_fails_with "the game program is missing" launch "$home" ""

finish
