#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Pellora needs.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libjpeg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    # Arial and Courier New metrics, Wingdings and a Unicode symbol font for its missing glyphs.
    fonts-liberation2 fonts-wine fonts-symbola fonts-dejavu-core
    # Screenshots of the real window, rasterised PDFs, and a real print queue for the tests.
    xvfb xauth poppler-utils cups cups-client printer-driver-cups-pdf
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

run_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
export DEBIAN_FRONTEND=noninteractive
run_as_root apt-get update -qq
run_as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
