#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lintian on the package that package_test made, as Debian checks its
# packages: any error (E:) or warning (W:) fails the test; the informational
# and pedantic findings are shown and let pass. Skipped without lintian.
#
#   package_lintian_test.sh <folder holding the package>
set -euo pipefail
source "$(dirname "$0")/check.sh"

if ! command -v lintian >/dev/null; then
    echo "lintian is not installed (script/bootstrap installs it)"
    exit 77
fi
packages=("$1"/*.deb)
[[ ${#packages[@]} -eq 1 && -f "${packages[0]}" ]] ||
    { echo "expected one package in $1, found: ${packages[*]}" >&2; exit 1; }

section "lintian $(basename "${packages[0]}")"
status=0
findings=$(lintian --fail-on none --display-info --pedantic "${packages[0]}" 2>&1) || status=$?
check_same "$status" 0 "exit status of lintian"
[[ -z "$findings" ]] || echo "$findings"
check_same "$(grep -E '^[EW]: ' <<<"$findings" || true)" "" "errors and warnings"

finish
