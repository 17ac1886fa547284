#!/usr/bin/env bash
# The installed tree and the Debian package hold what a desktop needs, and nothing is missing.
#   check_package.sh tree BUILD_DIR     install a built tree into a temporary DESTDIR and check it
#   check_package.sh deb SOURCE WORK    build the .deb from a Release configuration in WORK and check it
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every file that ends up under the prefix.
expected_files() {
    local sizes=""
    command -v rsvg-convert >/dev/null && sizes="16 22 24 32 48 64 128 256"
    {
        printf '%s\n' bin/corvellan bin/corvellanctl share/applications/corvellan.desktop \
            share/metainfo/corvellan.metainfo.xml share/icons/hicolor/scalable/apps/corvellan.svg \
            share/man/man1/corvellan.1.gz share/man/man1/corvellanctl.1.gz
        for topic in 101 103 105 106 108 109 110 111; do echo "share/doc/corvellan/help/$topic.html"; done
        for size in $sizes; do echo "share/icons/hicolor/${size}x${size}/apps/corvellan.png"; done
    } | sort
}

# The files of a tree rooted at $1/usr, checked one by one.
check_tree() {
    local usr="$1/usr" said
    diff <(expected_files) <(cd "$usr" && find . -type f | sed 's|^\./||' | sort) ||
        fail "the installed files differ from the list above (< expected, > installed)"

    local desktop="$usr/share/applications/corvellan.desktop"
    # Its two main categories are wanted: the entry is found under Internet and under Accessories.
    said="$(desktop-file-validate "$desktop" | grep -v "contains more than one main category" || true)"
    [ -z "$said" ] || fail "desktop-file-validate: $said"
    for line in "Name=Corvellan" "Exec=corvellan" "Icon=corvellan" "Categories=Network;Utility;"; do
        grep -qxF "$line" "$desktop" || fail "corvellan.desktop lacks $line"
    done
    grep -q "^Comment=." "$desktop" || fail "corvellan.desktop has no Comment"

    # The id stays the name of the desktop file rather than an invented domain name.
    said="$(appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
        "$usr/share/metainfo/corvellan.metainfo.xml" 2>&1)" || fail "appstreamcli rejects the metainfo file: $said"
    grep -q "<image>https://.*\.png</image>" "$usr/share/metainfo/corvellan.metainfo.xml" ||
        fail "the metainfo file names no screenshot"

    for page in corvellan corvellanctl; do
        [[ "$(zcat "$usr/share/man/man1/$page.1.gz")" == ".TH ${page^^} 1 "* ]] || fail "$page.1.gz is no manual page"
    done
    local png size
    for png in "$usr"/share/icons/hicolor/*x*/apps/corvellan.png; do
        [ -e "$png" ] || continue
        size="$(basename "$(dirname "$(dirname "$png")")")"
        [[ "$(file -b "$png")" == "PNG image data, ${size/x/ x }, "* ]] || fail "$png is not a ${size} PNG"
    done
}

case "${1:-}" in
tree)
    dest="$(mktemp -d)"
    trap 'rm -rf "$dest"' EXIT
    DESTDIR="$dest" cmake --install "$2" --prefix /usr >/dev/null
    check_tree "$dest"
    ;;
deb)
    source="$2" work="$3"
    cmake -S "$source" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$work" -j 2 >/dev/null
    rm -f "$work"/corvellan_*.deb
    (cd "$work" && cpack -G DEB >/dev/null)
    deb="$work/corvellan_1.0_$(dpkg --print-architecture).deb"
    [ -f "$deb" ] || fail "no $(basename "$deb") in $work: $(ls "$work"/*.deb 2>/dev/null)"

    [ "$(dpkg-deb -f "$deb" Package)" = corvellan ] || fail "Package is not corvellan"
    [ "$(dpkg-deb -f "$deb" Version)" = 1.0 ] || fail "Version is not 1.0"
    [ "$(dpkg-deb -f "$deb" Section)" = net ] || fail "Section is not net"
    depends="$(dpkg-deb -f "$deb" Depends)"
    for package in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6charts6 libqt6svg6 qt6-qpa-plugins; do
        [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
    done
    [[ "$depends" != *asan* ]] || fail "a sanitizer build was packaged: $depends"

    listing="$(dpkg-deb -c "$deb")"
    wrong="$(echo "$listing" | awk '$2 != "root/root" || ($1 ~ /^d/ && $1 != "drwxr-xr-x")')"
    [ -z "$wrong" ] || fail "not owned by root, or a directory others may write to: $wrong"
    [ "$(echo "$listing" | awk '$6 == "./usr/bin/corvellan" { print $1 }')" = -rwxr-xr-x ] ||
        fail "corvellan is not an executable for everyone"

    root="$(mktemp -d)"
    trap 'rm -rf "$root"' EXIT
    dpkg-deb -x "$deb" "$root"
    check_tree "$root"
    [ "$("$root/usr/bin/corvellanctl" --version)" = "corvellanctl 1.0" ] || fail "the packaged corvellanctl does not run"
    [ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/corvellan" --version)" = "Corvellan 1.0" ] ||
        fail "the packaged corvellan does not run"
    echo "$deb: $depends"
    ;;
*)
    echo "usage: $0 tree BUILD_DIR | deb SOURCE_DIR WORK_DIR" >&2
    exit 2
    ;;
esac
