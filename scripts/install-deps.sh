#!/usr/bin/env bash
# Installs what building, running and testing Brixo needs on Debian 12.
# Skips apt entirely when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache
  libgtest-dev
  qt6-base-dev qt6-multimedia-dev libgl1-mesa-dev
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
  libicu-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
