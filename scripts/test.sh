#!/usr/bin/env bash
# Installs, builds and runs every test. Window tests draw offscreen, so no
# display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)"
