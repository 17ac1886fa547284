#!/usr/bin/env bash
# The installed tree and the Debian package hold what a desktop needs.
#   check_package.sh tree BUILD_DIR     install a built tree into a temporary DESTDIR and check it
#   check_package.sh deb SOURCE WORK    build the .deb from a Release configuration in WORK and check it
set -euo pipefail
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

check_tree() {
    local usr="$root/usr" sizes="" said
    command -v rsvg-convert >/dev/null && sizes="16 22 24 32 48 64 128 256"
    diff <({
        printf '%s\n' bin/corvellan bin/corvellanctl share/applications/corvellan.desktop \
            share/metainfo/corvellan.metainfo.xml share/icons/hicolor/scalable/apps/corvellan.svg \
            share/man/man1/corvellan.1.gz share/man/man1/corvellanctl.1.gz
        for topic in 101 103 105 106 108 109 110 111 112; do echo "share/doc/corvellan/help/$topic.html"; done
        printf '%s\n' share/doc/corvellan/examples/ppp-corvellan share/doc/corvellan/examples/nm-dispatcher-corvellan
        for size in $sizes; do echo "share/icons/hicolor/${size}x${size}/apps/corvellan.png"; done
    } | sort) <(cd "$usr" && find . -type f | sed 's|^\./||' | sort) || fail "installed files differ (< expected, > installed)"

    # Both main categories are wanted: Corvellan is found under Internet and under Accessories.
    said="$(desktop-file-validate "$usr/share/applications/corvellan.desktop" | grep -v "more than one main category" || true)"
    [ -z "$said" ] || fail "desktop-file-validate: $said"
    for line in Name=Corvellan Exec=corvellan Icon=corvellan "Categories=Network;Utility;"; do
        grep -qxF "$line" "$usr/share/applications/corvellan.desktop" || fail "corvellan.desktop lacks $line"
    done
    # The id stays the name of the desktop file rather than an invented domain name.
    said="$(appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
        "$usr/share/metainfo/corvellan.metainfo.xml" 2>&1)" || fail "appstreamcli: $said"
    grep -q "<image>https://.*\.png</image>" "$usr/share/metainfo/corvellan.metainfo.xml" || fail "no screenshot"
}

case "${1:-}" in
tree)
    DESTDIR="$root" cmake --install "$2" --prefix /usr >/dev/null
    check_tree
    ;;
deb)
    cmake -S "$2" -B "$3" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$3" -j 2 >/dev/null
    rm -f "$3"/corvellan_*.deb
    (cd "$3" && cpack -G DEB >/dev/null)
    deb="$3/corvellan_1.0_$(dpkg --print-architecture).deb"
    [ -f "$deb" ] || fail "no $(basename "$deb"), only: $(ls "$3"/*.deb 2>/dev/null)"
    fields="$(dpkg-deb -f "$deb" Package Version Section)"
    [ "$fields" = $'Package: corvellan\nVersion: 1.0\nSection: net' ] || fail "control fields: $fields"
    depends="$(dpkg-deb -f "$deb" Depends)"
    for package in libc6 libqt6widgets6 libqt6charts6 libqt6svg6 qt6-qpa-plugins; do
        [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
    done
    [[ "$depends" != *asan* ]] || fail "a sanitizer build was packaged: $depends"
    wrong="$(dpkg-deb -c "$deb" | awk '$2 != "root/root" || ($1 ~ /^d/ && $1 != "drwxr-xr-x")')"
    [ -z "$wrong" ] || fail "not owned by root, or open to others: $wrong"
    dpkg-deb -x "$deb" "$root"
    check_tree
    [ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/corvellan" --version)" = "Corvellan 1.0" ] || fail "corvellan does not run"
    ;;
*)
    echo "usage: $0 tree BUILD_DIR | deb SOURCE_DIR WORK_DIR" >&2
    exit 2
    ;;
esac
