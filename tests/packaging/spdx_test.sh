#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs script/check-spdx and script/add-spdx on a made-up git work tree: which
# files must name the licence, where the line goes in each kind of file, that
# a second run changes nothing, and that a path limits what is touched.
#
#   spdx_test.sh <source dir>
set -euo pipefail
source "$(dirname "$0")/check.sh"

scripts=$1/script
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
identifier="SPDX-License-Identifier: GPL-3.0-or-later"

cd "$work"
git init -q
mkdir -p game script data docs build tests/packaging
printf '/build/\n' >.gitignore
printf '#pragma once\n' >game/phase.h
printf '#include "phase.h"\n' >game/phase.cpp
: >game/empty.cpp
printf 'add_subdirectory(game)\n' >CMakeLists.txt
printf 'set(X 1)' >game/extra.cmake
printf '#!/usr/bin/env bash\necho run\n' >script/run
chmod 755 script/run
printf '#!/bin/sh\nexec true\n' >script/launcher.in
printf 'echo helper\n' >tests/packaging/helper.sh
printf '// %s\nint main() {}\n' "$identifier" >game/marked.cpp
printf '#!/bin/sh\n# %s\n' "$identifier" >script/marked
printf '\n\n\n\n\n// %s\n' "$identifier" >game/late.cpp
printf '// SPDX-License-Identifier: MIT\n' >game/other.cpp
printf '#!/usr/bin/python3\nprint()\n' >script/tool.py
printf '#!/bin/sh\n' >data/starter
printf '#!/bin/sh\n' >docs/example
printf '#pragma once\n' >build/generated.h
printf 'text\n' >game/notes.txt
git add -A

section "check-spdx lists our sources, CMake files, shell and Python scripts without the line"
expected="CMakeLists.txt
game/empty.cpp
game/extra.cmake
game/late.cpp
game/other.cpp
game/phase.cpp
game/phase.h
script/launcher.in
script/run
script/tool.py
tests/packaging/helper.sh"
status=0
listed=$("$scripts/check-spdx" 2>"$work/check.err") || status=$?
check_same "$status" 1 "exit status with unmarked files"
check_same "$listed" "$expected" "unmarked files"
check_contains "$(cat "$work/check.err")" "11 file(s) lack" "summary"
check_same "$(cd game && "$scripts/check-spdx" . 2>/dev/null | tr '\n' ' ')" \
    "game/empty.cpp game/extra.cmake game/late.cpp game/other.cpp game/phase.cpp game/phase.h " \
    "files under a path, named from the top"

section "add-spdx touches only the paths it is given"
"$scripts/add-spdx" script >/dev/null
check_same "$("$scripts/check-spdx" script 2>/dev/null)" "" "script/ after add-spdx script"
check_same "$(head -n 1 game/phase.h)" "#pragma once" "a file outside the path"

section "add-spdx puts the line where each kind of file wants it"
"$scripts/add-spdx" >/dev/null
check_same "$(cat game/phase.h)" "// $identifier"$'\n'"#pragma once" "C++ header"
check_same "$(cat game/empty.cpp)" "// $identifier" "empty C++ file"
check_same "$(cat game/extra.cmake)" "# $identifier"$'\n'"set(X 1)" "CMake file"
check_same "$(cat script/run)" "#!/usr/bin/env bash"$'\n'"# $identifier"$'\n'"echo run" \
    "shell script"
check_same "$(stat -c %a script/run)" 755 "shell script's mode"
check_same "$(head -n 2 game/other.cpp)" \
    "// $identifier"$'\n'"// SPDX-License-Identifier: MIT" "file naming another licence"
check_same "$(cat script/marked)" "#!/bin/sh"$'\n'"# $identifier" "file already marked"
check_same "$(cat script/tool.py)" "#!/usr/bin/python3"$'\n'"# $identifier"$'\n'"print()" \
    "Python script"
check_same "$(cat data/starter docs/example)" $'#!/bin/sh\n#!/bin/sh' "files not ours to mark"
check "$scripts/check-spdx"

section "a second run changes nothing"
git add -A
check_same "$("$scripts/add-spdx")" "" "files named by the second run"
check git diff --quiet

finish
