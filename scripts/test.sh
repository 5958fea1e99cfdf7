#!/usr/bin/env bash
# Builds Brelog and runs every test (window tests run on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
ctest --output-on-failure -j2
