#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, and nothing when all are there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache lld pkg-config git
    clang libclang-rt-14-dev
    qt6-base-dev qt6-qpa-plugins qt6-svg-dev
    libpugixml-dev nlohmann-json3-dev libcli11-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb x11-utils xdotool
    help2man dpkg-dev file desktop-file-utils libxml2-utils
    poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
