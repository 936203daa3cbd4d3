#!/usr/bin/env bash
# Builds the Debian package (build/dev/package/cabrion_VERSION_ARCH.deb). With --check it then
# installs it into a scratch root with dpkg and checks what an engineer's machine would get: the
# three programs running from the installed tree, the menu entry and file types (validated),
# the icons, the templates, the user guide and the man pages, and dependencies taken from the
# linked libraries.
#   scripts/package.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/dev
check=0
[ "${1:-}" = "--check" ] && check=1

bash scripts/setup-deps.sh
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache} QT_QPA_PLATFORM=offscreen
bash scripts/build.sh dev cabrion cabrion-cli cabrion-cli-draw cabrion-btssim man_pages
rm -rf "$build/package"
# Only the programs and their data go in; tests and benchmarks are not installed.
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/package/cabrion_*.deb)
echo "package: $deb ($(du -h "$deb" | cut -f1))"
[ "$check" = 1 ] || exit 0

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
# A scratch dpkg database: the package installs as it would on a machine, maintainer scripts
# and all, without touching this one. Its dependencies are checked below instead.
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
if ! dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless \
    --log=/dev/null -i "$deb" >"$root/dpkg.out" 2>&1; then
    cat "$root/dpkg.out" >&2
    exit 1
fi
dpkg --root="$root" -s cabrion | grep -q '^Status: install ok installed'

fail=0
need() {
    if [ ! -e "$root$1" ]; then
        echo "check-package: missing $1" >&2
        fail=1
    fi
}
for f in /usr/bin/cabrion /usr/bin/cabrion-cli /usr/bin/cabrion-btssim \
    /usr/libexec/cabrion/cabrion-cli-draw \
    /usr/share/applications/cabrion.desktop /usr/share/mime/packages/cabrion.xml \
    /usr/share/icons/hicolor/scalable/apps/cabrion.svg \
    /usr/share/icons/hicolor/scalable/mimetypes/application-x-cabrion-hwc.svg \
    /usr/share/cabrion/Configs/harbour-4x3.hwc /usr/share/cabrion/Configs/selmo-4trx.hwc \
    /usr/share/cabrion/help/index.html /usr/share/cabrion/help/selmo.html \
    /usr/share/man/man1/cabrion.1.gz /usr/share/man/man1/cabrion-cli.1.gz \
    /usr/share/man/man1/cabrion-btssim.1.gz; do
    need "$f"
done
[ "$fail" = 0 ] || exit 1

desktop-file-validate "$root/usr/share/applications/cabrion.desktop"
xmllint --noout "$root/usr/share/mime/packages/cabrion.xml"
grep -q 'application/x-cabrion-hwc' "$root/usr/share/applications/cabrion.desktop"
for page in cabrion cabrion-cli cabrion-btssim; do
    zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q '^\.SH DESCRIPTION\|^\.SH SYNOPSIS\|^\.SH NAME'
done

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6svg6 libpugixml1v5 libstdc++6; do
    if ! grep -q "$lib" <<<"$depends"; then
        echo "check-package: Depends lacks $lib: $depends" >&2
        exit 1
    fi
done

# The installed programs run and find their data.
"$root/usr/bin/cabrion" --version | grep -q '^cabrion '
"$root/usr/bin/cabrion-btssim" --version | grep -q '^cabrion-btssim '
out=$(mktemp -d)
"$root/usr/bin/cabrion-cli" convert "$root/usr/share/cabrion/Configs/harbour-4x3.hwc" \
    "$out/copy.hwc" >/dev/null
"$root/usr/bin/cabrion-cli" check "$out/copy.hwc" >/dev/null || [ $? -eq 1 ]
# The drawing commands run in the helper the installed cabrion-cli finds under libexec.
"$root/usr/bin/cabrion-cli" render "$out/copy.hwc" --view cabinet-units --out "$out/units.png"
[ -s "$out/units.png" ]
rm -rf "$out"
echo "package installs and its contents check out"
