#!/usr/bin/env bash
# Installs the built tree into a scratch prefix and checks what a user gets there: the programs,
# the desktop entry, its icons and metainfo, the manual pages and the bash completion.
# Usage: test_install.sh CMAKE BUILD_DIR VERSION
set -euo pipefail
cmake=$1
build=$2
version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*"
    exit 1
}

app_id=com.quellon.tarvik
sizes=(16 24 32 48 64 128 256)
expected=(bin/tarvik bin/tarvik-cli bin/tarvik-sim
          share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml
          share/icons/hicolor/scalable/apps/tarvik.svg
          share/man/man1/tarvik.1 share/man/man1/tarvik-cli.1 share/man/man1/tarvik-sim.1
          share/bash-completion/completions/tarvik-cli)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/tarvik.png")
done
for file in "${expected[@]}"; do
    [[ -f $prefix/$file ]] || fail "$file is not installed"
done

# Each PNG is as wide and high as its folder says (the PNG header holds both, big-endian).
for size in "${sizes[@]}"; do
    read -r width height < <(od -An -tu1 -j16 -N8 \
        "$prefix/share/icons/hicolor/${size}x${size}/apps/tarvik.png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [[ $width == "$size" && $height == "$size" ]] || fail "${size}x${size} icon is ${width}x${height}"
done

# Help and version need no window system.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[[ $("${no_display[@]}" "$prefix/bin/tarvik" --version) == "tarvik $version" ]] ||
    fail "tarvik --version"
"${no_display[@]}" "$prefix/bin/tarvik" --help | grep -q '^usage: tarvik ' || fail "tarvik --help"
[[ $("$prefix/bin/tarvik-cli" --version) == "tarvik-cli $version" ]] || fail "tarvik-cli --version"
[[ $("$prefix/bin/tarvik-sim" --version) == "tarvik-sim $version" ]] || fail "tarvik-sim --version"

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
grep -qx 'Icon=tarvik' "$prefix/share/applications/$app_id.desktop" || fail "desktop entry's icon"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "metainfo"

# The manual pages format without a warning and carry the version.
for page in tarvik tarvik-cli tarvik-sim; do
    file=$prefix/share/man/man1/$page.1
    warnings=$(groff -man -ww -z "$file" 2>&1)
    [[ -z $warnings ]] || fail "$page.1: $warnings"
    grep -q "\"TARVIK $version\"" "$file" || fail "$page.1 does not carry version $version"
done
echo "installed tree complete"
