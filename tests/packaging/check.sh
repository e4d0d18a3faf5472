# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Small assertion helpers for the packaging tests: each failed check is
# reported and counted, and `finish` ends the test with the verdict.

failures=0

section() {
    echo "== $*"
}

fail_check() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# check COMMAND...: the command must succeed.
check() {
    "$@" || fail_check "$*"
}

# check_same ACTUAL EXPECTED WHAT
check_same() {
    [[ "$1" == "$2" ]] || fail_check "$3: got '$1', expected '$2'"
}

# check_contains TEXT PART WHAT
check_contains() {
    [[ "$1" == *"$2"* ]] || fail_check "$3: '$2' not found in: $1"
}

# check_fails_with MESSAGE COMMAND...: the command must fail, saying MESSAGE.
check_fails_with() {
    local message=$1 output status=0
    shift
    output=$("$@" 2>&1) || status=$?
    if [[ $status -eq 0 ]]; then
        fail_check "$* succeeded"
    else
        check_contains "$output" "$message" "message of: $*"
    fi
}

finish() {
    if [[ $failures -ne 0 ]]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}
