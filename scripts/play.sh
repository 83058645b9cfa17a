#!/usr/bin/env bash
# Installs, builds and starts a solo game against the computer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec ./build/brixo "$@"
