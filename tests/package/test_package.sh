#!/usr/bin/env bash
# Builds the Debian package from the built tree, checks its declared dependencies, unpacks it into
# a scratch root and runs tarvik-cli from there.
# Usage: test_package.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1
build=$2
version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

"$cpack" --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
debs=("$scratch"/out/*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || fail "no single .deb: ${debs[*]}"
deb=${debs[0]}

depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6serialport6 \
    libqt6printsupport6 qt6-qpa-plugins fonts-wqy-microhei; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
[[ $(dpkg-deb --field "$deb" Version) == "$version" ]] || fail "package version"

contents=$(dpkg-deb --contents "$deb")
for file in usr/bin/tarvik usr/bin/tarvik-cli usr/bin/tarvik-sim \
    usr/share/applications/com.quellon.tarvik.desktop usr/share/man/man1/tarvik-cli.1 \
    usr/share/bash-completion/completions/tarvik-cli; do
    grep -q " \./$file\$" <<<"$contents" || fail "$file is not in the package"
done

dpkg -x "$deb" "$scratch/root"
[[ $("$scratch/root/usr/bin/tarvik-cli" --version) == "tarvik-cli $version" ]] ||
    fail "tarvik-cli --version from the unpacked package"
echo "$(basename "$deb"): $depends"
