#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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

id=io.github.corvellan.Corvellan

# The files of an install under usr; extra: what only the package holds.
check_tree() {
    local usr="$1" extra="${2:-}" sizes="" said
    command -v rsvg-convert >/dev/null && sizes="16 22 24 32 48 64 128 256"
    diff <({
        printf '%s\n' bin/corvellan bin/corvellanctl "share/applications/$id.desktop" \
            "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg" \
            share/man/man1/corvellan.1.gz share/man/man1/corvellanctl.1.gz share/doc/corvellan/CONTROL.md \
            share/doc/corvellan/copyright share/doc/corvellan/changelog.gz $extra
        for topic in 101 103 105 106 108 109 110 111 112; do
            for folder in "" de/ fr/; do echo "share/doc/corvellan/help/$folder$topic.html"; done
        done
        printf '%s\n' share/doc/corvellan/examples/ppp-corvellan share/doc/corvellan/examples/nm-dispatcher-corvellan
        for size in $sizes; do echo "share/icons/hicolor/${size}x${size}/apps/$id.png"; done
    } | sort) <(cd "$usr" && find . -type f | sed 's|^\./||' | sort) || fail "installed files differ (< expected, > installed)"

    # Both main categories are wanted: Corvellan is found under Internet and under Accessories.
    said="$(desktop-file-validate "$usr/share/applications/$id.desktop" | grep -v "more than one main category" || true)"
    [ -z "$said" ] || fail "desktop-file-validate: $said"
    for line in Name=Corvellan Exec=corvellan "Icon=$id" "Categories=Network;Utility;"; do
        grep -qxF "$line" "$usr/share/applications/$id.desktop" || fail "$id.desktop lacks $line"
    done
    grep -q "^Keywords=" "$usr/share/applications/$id.desktop" || fail "$id.desktop has no Keywords"
    # Nothing above "pedantic": an upper-case letter in the id is what reverse-DNS ids have.
    said="$(appstreamcli validate --pedantic --no-net "$usr/share/metainfo/$id.metainfo.xml" 2>&1)" ||
        fail "appstreamcli: $said"
    said="$(grep -E '^[EWI]: ' <<<"$said" || true)"
    [ -z "$said" ] || fail "appstreamcli: $said"
    grep -q "<project_license>GPL-3.0-or-later</project_license>" "$usr/share/metainfo/$id.metainfo.xml" ||
        fail "the metainfo names no licence"
    grep -q "/usr/share/common-licenses/GPL-3" "$usr/share/doc/corvellan/copyright" || fail "copyright file"
    zcat "$usr/share/doc/corvellan/changelog.gz" | head -1 | grep -q "^corvellan (1\.0) " ||
        fail "changelog: $(zcat "$usr/share/doc/corvellan/changelog.gz" | head -1)"
    # The programs need no network code: Qt Network would bring Kerberos and libproxy with it.
    for program in corvellan corvellanctl; do
        said="$(objdump -p "$usr/bin/$program")"
        [[ "$said" != *libQt6Network* ]] || fail "$program links Qt Network"
    done
}

case "${1:-}" in
tree)
    DESTDIR="$root" cmake --install "$2" --prefix /usr/local >/dev/null
    check_tree "$root/usr/local"
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
    for package in libc6 libqt6widgets6 qt6-qpa-plugins; do
        [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
    done
    [[ "$depends" != *asan* ]] || fail "a sanitizer build was packaged: $depends"
    # The chart is drawn by the program itself, the icons are bitmaps made at build time, and the
    # control socket is a plain Unix one.
    for package in libqt6charts6 libqt6opengl6 libqt6network6 libqt6svg6; do
        [[ "$depends" != *"$package"* ]] || fail "Depends names $package: $depends"
    done
    wrong="$(dpkg-deb -c "$deb" | awk '$2 != "root/root" || ($1 ~ /^d/ && $1 != "drwxr-xr-x")')"
    [ -z "$wrong" ] || fail "not owned by root, or open to others: $wrong"
    dpkg-deb -x "$deb" "$root"
    check_tree "$root/usr" share/doc-base/corvellan
    for tool in lintian hardening-check; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (Debian: lintian, devscripts)"
    done
    # Nothing above "info". Tags that only name what Debian's own helpers would do are infos.
    said="$(lintian --pedantic --tag-display-limit 0 "$deb" 2>/dev/null | grep -E '^[EW]: ' || true)"
    [ -z "$said" ] || fail "lintian: $said"
    # Debian 12's C library start files carry no control-flow marking, so no program linked with
    # them (dpkg's own included) can show one; every other check must pass.
    said="$(hardening-check --nocfprotection "$root/usr/bin/corvellan" "$root/usr/bin/corvellanctl")" ||
        fail "hardening-check: $said"
    maintainer="$(dpkg-deb -f "$deb" Maintainer)"
    [[ "$maintainer" =~ ^.+\ \<[^@\ ]+@[^@\ ]+\>$ ]] || fail "Maintainer: $maintainer"
    [ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/corvellan" --version)" = "Corvellan 1.0" ] || fail "corvellan does not run"
    ;;
*)
    echo "usage: $0 tree BUILD_DIR | deb SOURCE_DIR WORK_DIR" >&2
    exit 2
    ;;
esac
