#!/usr/bin/env bash
# Configures and builds Brelog into build/ (Release with debug info).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
# A compiler cache, when the machine has one, makes rebuilds of a fresh clone cheap.
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"
