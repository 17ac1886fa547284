#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the package's Debian changelog from NEWS, so that the history is kept in one place.
#   news-to-changelog.sh NEWS PACKAGE "NAME <ADDRESS>" > changelog
# A release starts with "Name VERSION (YYYY-MM-DD)" at the start of a line; its items follow, indented.
set -eu
exec awk -v package="$2" -v maintainer="$3" '
function close_release(   cmd, stamp) {
    if (version == "")
        return
    cmd = "LC_ALL=C date -u -R -d " date "T12:00:00Z"
    cmd | getline stamp
    close(cmd)
    printf "\n -- %s  %s\n\n", maintainer, stamp
}
/^[^ \t]/ {
    if ($0 !~ /^[^ ]+ [^ ]+ \([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\)$/) {
        print "NEWS:" NR ": not a release line: " $0 > "/dev/stderr"
        failed = 1
        exit 1
    }
    close_release()
    version = $2
    date = substr($3, 2, 10)
    printf "%s (%s) unstable; urgency=medium\n\n", package, version
    next
}
/^[ \t]+[^ \t]/ { print }
END {
    if (!failed)
        close_release()
}
' "$1"
