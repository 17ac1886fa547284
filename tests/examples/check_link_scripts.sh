#!/usr/bin/env bash
# The example scripts for pppd and NetworkManager (docs/examples), run as those run them: with an
# empty environment (only a PATH that leads to a stand-in corvellanctl, and none of the system's
# directories) and the arguments they pass. The stand-in records what it was asked and as whom; a
# stand-in logger keeps what would have gone to the system log.
# Run as root, the scripts go through the real runuser; run as a user, they act for that user.
#   check_link_scripts.sh EXAMPLES_DIR
set -euo pipefail
examples="$1"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
work="$(mktemp -d)"
modem=""
cleanup() {
    if [ -n "$modem" ]; then kill "$modem" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

if command -v shellcheck >/dev/null; then
    shellcheck "$examples/ppp-corvellan" "$examples/nm-dispatcher-corvellan" || fail "shellcheck"
else
    echo "shellcheck is not installed: the scripts are not linted"
fi

mkdir -p "$work/bin" "$work/ppp/ip-up.d" "$work/ppp/ip-down.d"
cp "$examples/ppp-corvellan" "$work/ppp/ip-up.d/corvellan"
cp "$examples/ppp-corvellan" "$work/ppp/ip-down.d/corvellan"
cp "$examples/nm-dispatcher-corvellan" "$work/90-corvellan"
cat >"$work/bin/corvellanctl" <<EOF
#!/bin/sh
echo "\$* as \$(id -un) HOME=\${HOME:-} XDG_RUNTIME_DIR=\${XDG_RUNTIME_DIR:-}" >>"$work/asked"
# No window runs when the test says so.
[ ! -e "$work/no-window" ]
EOF
cat >"$work/bin/logger" <<EOF
#!/bin/sh
echo "\$*" >>"$work/logged"
EOF
chmod 755 "$work/bin/corvellanctl" "$work/bin/logger"

me="$(id -un)"
uid="$(id -u)"
as_me="as $me HOME=$(getent passwd "$uid" | cut -d: -f6) XDG_RUNTIME_DIR=/run/user/$uid"

# check WHAT EXPECTED SETTINGS SCRIPT ARGUMENTS...: the script exits 0 and corvellanctl was asked
# EXPECTED ("" for nothing). SETTINGS are NAME=VALUE words, or "-".
check() {
    local what="$1" expected="$2" settings="$3"
    shift 3
    local environment=(PATH="$work/bin")
    [ "$settings" = - ] || environment+=("$settings")
    rm -f "$work/asked"
    env -i "${environment[@]}" "$@" 2>"$work/said" || fail "$what: exit status $? ($(cat "$work/said"))"
    local asked=""
    [ ! -e "$work/asked" ] || asked="$(cat "$work/asked")"
    [ "$asked" = "$expected" ] || fail "$what: corvellanctl was asked '$asked', not '$expected' ($(cat "$work/said"))"
}

# The desktop user is whoever runs a program named corvellan.
cp "$(command -v sleep)" "$work/corvellan"
"$work/corvellan" 600 &
modem=$!

ppp_up=("$work/ppp/ip-up.d/corvellan" ppp0 /dev/ttyUSB0 115200 10.0.0.2 10.0.0.1 "")
check "pppd up" "start $as_me" - "${ppp_up[@]}"
check "pppd down" "stop $as_me" - "$work/ppp/ip-down.d/corvellan" ppp0 /dev/ttyUSB0 115200 10.0.0.2 10.0.0.1 ""
check "pppd up, another link" "" CORVELLAN_LINKS=ppp1 "${ppp_up[@]}"
check "NetworkManager, modem up" "start $as_me" - "$work/90-corvellan" wwan0 up
check "NetworkManager, modem down" "stop $as_me" - "$work/90-corvellan" ppp0 down
check "NetworkManager, Ethernet up" "" - "$work/90-corvellan" eth0 up
check "NetworkManager, another event" "" - "$work/90-corvellan" wwan0 connectivity-change
touch "$work/no-window"
check "no window runs" "start $as_me" - "${ppp_up[@]}"
grep -qx -- "-t corvellan -- corvellanctl start did not succeed for $me" "$work/logged" ||
    fail "the refusal was not logged"
rm "$work/no-window"

# Another program of the name here would be taken for the user's.
corvellan_runs() {
    local exe
    for exe in /proc/[0-9]*/exe; do
        [[ "$(readlink "$exe" 2>/dev/null)" != */corvellan ]] || return 0
    done
    return 1
}
kill "$modem"
wait "$modem" 2>/dev/null || true
modem=""
check "the user named" "start $as_me" CORVELLAN_USER="$me" "${ppp_up[@]}"
if corvellan_runs; then
    echo "a Corvellan runs on this machine: the run without a user is not checked"
else
    check "nobody runs Corvellan" "" - "${ppp_up[@]}"
    grep -q "no user of Corvellan found" "$work/said" || fail "nobody running Corvellan was not said"
fi
if env -i PATH="$work/bin" "$examples/ppp-corvellan" ppp0 2>/dev/null; then
    fail "the pppd script ran from outside ip-up.d and ip-down.d"
fi
echo "the example scripts start and stop the timer as expected"
