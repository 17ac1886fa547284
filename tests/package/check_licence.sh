#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the tree says under which licence it may be used, in its first lines.
#   check_licence.sh SOURCE_DIR
set -euo pipefail
cd "$1"
missing="$(find src tests bench fuzz res docs/examples setup.sh .ci CMakeLists.txt -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name 'CMakeLists.txt' -o -name '*.sh' -o -name '*.html' -o -name '*.1' \
    -o -name '*.desktop' -o -name '*.svg' -o -name '*.qrc' -o -name '*.in' -o -perm -u+x \) \
    -not -path 'tests/data/*' -print0 |
    xargs -0 grep -L -m1 'SPDX-License-Identifier: ' || true)"
if [ -n "$missing" ]; then
    echo "FAIL: no SPDX-License-Identifier line in:" >&2
    echo "$missing" >&2
    exit 1
fi
