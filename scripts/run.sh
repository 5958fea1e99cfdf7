#!/usr/bin/env bash
# Builds Brelog and starts it; extra arguments go to the program (for example --folder DIR).
# Without --folder the contest lives in ${XDG_DATA_HOME:-~/.local/share}/brelog, laid out on
# the first start, so that deleting build/ never deletes a contest.
# BRELOG_RUN_NO_BUILD=1 starts what is built without building first.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${BRELOG_RUN_NO_BUILD:-}" != 1 ]; then
  bash scripts/build.sh
fi
folder=()
has_folder=no
for a in "$@"; do
  case "$a" in --folder|--folder=*) has_folder=yes ;; esac
done
if [ "$has_folder" = no ]; then
  folder=(--folder "${XDG_DATA_HOME:-$HOME/.local/share}/brelog")
fi
exec build/bin/brelog "${folder[@]}" "$@"
