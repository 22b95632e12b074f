#!/bin/sh
# Builds the Debian package from the build tree (into a folder of its own, so
# a `make package` next to it is left alone) and checks what it holds and
# what it asks for.
# Usage: check_package.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check_package: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$work/quilorn_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work" >&2; fail "no $(basename "$deb")"; }

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's#^\./#/#' >"$work/files"
for path in \
    /usr/bin/quilorn \
    /usr/bin/quilorn-tool \
    /usr/share/applications/io.github.quilorn.Quilorn.desktop \
    /usr/share/metainfo/io.github.quilorn.Quilorn.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/quilorn.svg \
    /usr/share/man/man6/quilorn.6.gz \
    /usr/share/man/man6/quilorn-tool.6.gz; do
    grep -qx "$path" "$work/files" || fail "the package lacks $path"
done
for size in 16 32 48 64 128 256; do
    grep -qx "/usr/share/icons/hicolor/${size}x${size}/apps/quilorn.png" "$work/files" ||
        fail "the package lacks the ${size}x${size} icon"
done
# Everything under /usr, and nothing from the tests or the benchmarks.
if grep -v -e '^/$' -e '^/usr/' "$work/files" >&2; then fail "files outside /usr"; fi
if grep -E '_tests|bench_|gtest|/tests?/' "$work/files" >&2; then fail "test or benchmark files in the package"; fi
[ "$(grep -c '^/usr/bin/.' "$work/files")" = 2 ] || fail "/usr/bin holds more than the two programs"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quilorn ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version)"
[ "$(field Section)" = games ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
depends=$(field Depends)
for need in fonts-ipafont-gothic libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6; do
    echo "$depends" | grep -q "$need" || fail "Depends lacks $need: $depends"
done
[ "$(field Description | wc -l)" -ge 3 ] || fail "no long description"
# A line of the long description that starts with two spaces is shown
# verbatim, unwrapped; ours is running text.
if field Description | tail -n +2 | grep -v '^ [^ ]' >&2; then fail "badly indented long description"; fi

# The installed files themselves: icons of the size their folder says, and
# programs that still run once stripped.
dpkg-deb -x "$deb" "$work/root"
# The installed metainfo finds its desktop entry and icon where they land.
appstreamcli validate-tree --no-net "$work/root" >"$work/validate.log" 2>&1 ||
    { cat "$work/validate.log" >&2; fail "appstreamcli validate-tree fails on the installed files"; }
for size in 16 32 48 64 128 256; do
    got=$(identify -format '%wx%h' "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/quilorn.png")
    [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done
[ "$("$work/root/usr/bin/quilorn-tool" --version)" = "quilorn-tool $version" ] || fail "the packaged quilorn-tool does not run"
[ "$(env -u DISPLAY "$work/root/usr/bin/quilorn" --version)" = "quilorn $version" ] || fail "the packaged quilorn does not run"
echo "check_package: ok ($(basename "$deb"), $(wc -l <"$work/files") entries)"
