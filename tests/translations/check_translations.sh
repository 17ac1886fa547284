#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A translation is complete when lupdate, run over the code as res/translations/update.sh runs it,
# finds nothing left to translate in it: no text of the code missing, none unfinished. The file in
# the tree is not touched; a copy is brought up to date.
#   check_translations.sh SOURCE_DIR TS_FILE
set -eu
source_dir="$1" ts="$2"
lupdate="$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$ts" "$scratch/"
copy="$scratch/$(basename "$ts")"
(cd "$source_dir" && "$lupdate" -silent -locations none -no-obsolete -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=TR_NOOP \
    -extensions cpp,h src -ts "$copy") >"$scratch/lupdate.log" 2>&1 || {
    cat "$scratch/lupdate.log" >&2
    exit 1
}
left="$(grep -c 'type="unfinished"' "$copy" || true)"
if [ "$left" -ne 0 ]; then
    echo "$(basename "$ts"): $left texts not translated (run res/translations/update.sh and translate them):" >&2
    grep -B3 'type="unfinished"' "$copy" | grep '<source>' | sed 's/^ */  /' >&2
    exit 1
fi
echo "$(basename "$ts"): every text translated"
