#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree with CPack and checks it as
# apt and dpkg would: its name and control fields, that apt can satisfy its
# dependencies here, and that dpkg installs it into a throw-away root from
# which the game starts, and removes it again without touching player data.
# The package stays in the output folder for package_lintian_test.
#
#   package_test.sh <cpack> <build dir> <Debian version> <output folder>
set -euo pipefail
source "$(dirname "$0")/check.sh"

cpack=$1
build=$2
version=$3
out=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
deb=$out/wordbloom_${version}_$(dpkg --print-architecture).deb

section "cpack makes the package"
rm -rf "$out"
"$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$work/cpack.log" ||
    { cat "$work/cpack.log" >&2; exit 1; }
rm -rf "$out/_CPack_Packages"
[[ -f "$deb" ]] || { ls "$out" >&2; echo "no $deb" >&2; exit 1; }

section "control fields and dependencies"
check_same "$(dpkg-deb -f "$deb" Package)" wordbloom "package name"
check_same "$(dpkg-deb -f "$deb" Version)" "$version" "version"
check_same "$(dpkg-deb -f "$deb" Section)" games "section"
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in fonts-ipafont-gothic libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6charts6 libarchive13 libc6; do
    check_contains "$depends" "$dependency" "Depends"
done
check_same "$(dpkg-deb -f "$deb" Recommends)" qt6-wayland "Recommends"
check_contains "$(dpkg-deb -c "$deb")" "root/root" "file owners"
apt_log=$work/apt.log
check apt-get install --simulate --no-install-recommends "$deb" >"$apt_log" 2>&1
check_contains "$(cat "$apt_log")" "Inst wordbloom ($version" "apt resolves the package"

section "dpkg installs it into a throw-away root"
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: >"$root/var/lib/dpkg/status"
# The root holds no other package, so its dependencies are checked by apt above.
dpkg_in_root() {
    dpkg --root="$root" --force-depends --force-not-root --log=/dev/null "$@"
}
check dpkg_in_root --install "$deb" >"$work/dpkg.log" 2>&1
check_same "$(dpkg_in_root --status wordbloom | sed -n 's/^Status: //p')" \
    "install ok installed" "package status"
module=usr/lib/wordbloom/modules/progress_window.so
for file in usr/games/wordbloom usr/lib/wordbloom/wordbloom "$module" usr/share/wordbloom/starter/設定.txt \
    usr/share/applications/example.wordbloom.Wordbloom.desktop \
    usr/share/icons/hicolor/256x256/apps/example.wordbloom.Wordbloom.png \
    usr/share/metainfo/example.wordbloom.Wordbloom.metainfo.xml \
    usr/share/man/man6/wordbloom.6.gz usr/share/doc/wordbloom/copyright \
    usr/share/doc/wordbloom/changelog.Debian.gz; do
    check test -f "$root/$file"
done
check test ! -e "$root/usr/bin"
check_contains "$(zcat "$root/usr/share/doc/wordbloom/changelog.Debian.gz" | head -n 1)" \
    "wordbloom ($version)" "newest changelog entry"
check_contains "$(file -b "$root/usr/lib/wordbloom/wordbloom")" ", stripped" "program"
check_contains "$(file -b "$root/$module")" ", stripped" "progress window's library"
# The program loads the library when the progress window first opens: every
# symbol it needs resolves, and it hands out the window's maker.
check_same "$(ldd -r "$root/$module" 2>&1 | grep -E 'not found|undefined symbol')" "" \
    "unresolved in the progress window's library"
check_contains "$(nm -D --defined-only "$root/$module")" " T wordbloomMakeProgressWindow" \
    "progress window's maker"

section "the game starts from the installed package"
home=$work/home
mkdir "$home"
status=0
env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen WORDBLOOM_QUIT_AFTER_SHOW=1 \
    timeout 30 "$root/usr/games/wordbloom" || status=$?
check_same "$status" 0 "exit status of the game"
check test -f "$home/.local/share/wordbloom/設定.txt"

section "removing the package leaves the player's data folder alone"
check dpkg_in_root --remove wordbloom >>"$work/dpkg.log" 2>&1
check test ! -e "$root/usr/games/wordbloom"
check test ! -e "$root/usr/lib/wordbloom"
check test -f "$home/.local/share/wordbloom/設定.txt"

finish
