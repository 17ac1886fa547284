#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The example scripts for pppd and NetworkManager (docs/examples), run as those run them: with an
# empty environment (only a PATH to a stand-in corvellanctl and logger, none of the system's
# directories) and their arguments. As root they go through the real runuser.
#   check_link_scripts.sh EXAMPLES_DIR
set -euo pipefail
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
work="$(mktemp -d)"
modem=""
trap 'if [ -n "$modem" ]; then kill "$modem"; fi; rm -rf "$work"' EXIT
if command -v shellcheck >/dev/null; then
    shellcheck "$1/ppp-corvellan" "$1/nm-dispatcher-corvellan" || fail "shellcheck"
fi
mkdir -p "$work/bin" "$work/ip-up.d" "$work/ip-down.d"
cp "$1/ppp-corvellan" "$work/ip-up.d/corvellan"
cp "$1/ppp-corvellan" "$work/ip-down.d/corvellan"
cp "$1/nm-dispatcher-corvellan" "$work/90-corvellan"
# The stand-ins record what they were asked, and as whom; there is no window when the test says so.
# shellcheck disable=SC2016 # expanded by the stand-ins
printf '#!/bin/sh\necho "$* as $(id -un) HOME=$HOME XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" >>%s/asked\n[ ! -e %s/no-window ]\n' \
    "$work" "$work" >"$work/bin/corvellanctl"
printf '#!/bin/sh\necho "$*" >>%s/logged\n' "$work" >"$work/bin/logger"
chmod 755 "$work/bin/corvellanctl" "$work/bin/logger"
me="as $(id -un) HOME=$(getent passwd "$(id -u)" | cut -d: -f6) XDG_RUNTIME_DIR=/run/user/$(id -u)"

# The desktop user is whoever runs a program named corvellan.
cp "$(command -v sleep)" "$work/corvellan"
"$work/corvellan" 600 &
modem=$!
cd "$work"
touch ppp-not-a-link # the link patterns must not match files
up="ip-up.d/corvellan ppp0 /dev/ttyUSB0 115200 10.0.0.2 10.0.0.1"
while IFS='|' read -r what settings script expected; do
    rm -f "$work/asked"
    [ "$what" != "no window runs" ] || touch "$work/no-window"
    if [ "$what" = "the user named" ]; then # nobody runs Corvellan now
        kill "$modem"
        wait "$modem" || true
        modem=""
    fi
    # shellcheck disable=SC2086 # settings and the script's arguments are words
    env -i PATH="$work/bin" $settings $work/$script 2>"$work/said" || fail "$what: exit status $?"
    asked="$(cat "$work/asked" 2>/dev/null || true)"
    [ "$asked" = "${expected/ME/$me}" ] || fail "$what: corvellanctl was asked '$asked' ($(cat "$work/said"))"
done <<EOF
pppd up||$up|start ME
pppd down||ip-down.d/corvellan ppp0 /dev/ttyUSB0 115200 10.0.0.2 10.0.0.1|stop ME
pppd up, another link|CORVELLAN_LINKS=ppp1|$up|
NetworkManager, modem up||90-corvellan wwan0 up|start ME
NetworkManager, modem down||90-corvellan ppp0 down|stop ME
NetworkManager, Ethernet up||90-corvellan eth0 up|
NetworkManager, another event||90-corvellan wwan0 connectivity-change|
no window runs||$up|start ME
the user named|CORVELLAN_USER=$(id -un)|$up|start ME
EOF
grep -qx -- "-t corvellan -- corvellanctl start did not succeed for $(id -un)" "$work/logged" ||
    fail "the refusal was not logged"
if env -i PATH="$work/bin" "$1/ppp-corvellan" ppp0 2>/dev/null; then
    fail "the pppd script ran from outside ip-up.d and ip-down.d"
fi
echo "the example scripts start and stop the timer as expected"
