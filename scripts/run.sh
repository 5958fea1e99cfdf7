#!/usr/bin/env bash
# Builds Brelog and starts it; extra arguments go to the program (for example --folder DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/bin/brelog "$@"
