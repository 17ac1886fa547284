#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the translations up to date with the texts of the code: new texts come in as unfinished,
# texts no longer used leave. Qt Linguist (linguist, from qt6-tools-dev-tools) or any editor then
# fills them in. The core's texts are the Tr(context, text) calls.
#   res/translations/update.sh [TS_FILE...]     (default: every corvellan_*.ts here)
set -eu
cd "$(dirname "$0")/../.."
lupdate="$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)"
[ $# -gt 0 ] || set -- res/translations/corvellan_*.ts
exec "$lupdate" -silent -locations none -no-obsolete -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=TR_NOOP -extensions cpp,h src -ts "$@"
