#!/usr/bin/env bash
# Builds the Debian package of Brelog (dpkg-buildpackage with debhelper and the CMake
# build) from a clean copy of the tracked files, so that build/ and untracked files
# never reach the package. Installs what the build needs first. The last line printed
# is the path of the built .deb (in build/); `sudo apt install` that path installs Brelog.
# BRELOG_PACKAGE_DIR chooses where the copy is built (default /tmp/brelog-package).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

# What the build needs, plus the packaging tools and the checkers scripts/test-package.sh
# runs on the result.
bash scripts/install-deps.sh debhelper dpkg-dev lintian desktop-file-utils appstream mandoc >&2

version=$(dpkg-parsechangelog -l debian/changelog -S Version)
# One fixed place, so that the compiler cache sees the same paths and flags each time.
work=${BRELOG_PACKAGE_DIR:-${TMPDIR:-/tmp}/brelog-package}
src="$work/brelog-$version"
rm -rf "$work"
mkdir -p "$src"
if git -C "$repo" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git -C "$repo" ls-files -z | (cd "$repo" && tar --null -T - -cf -) | tar -xf - -C "$src"
else
  tar -C "$repo" --exclude='./build*' -cf - . | tar -xf - -C "$src"
fi

if command -v ccache >/dev/null 2>&1; then
  # debhelper gives the build a home of its own; keep the user's cache.
  CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
  export CCACHE_DIR CCACHE_BASEDIR="$src"
fi
(cd "$src" && DEB_BUILD_OPTIONS="parallel=$(nproc) terse ${DEB_BUILD_OPTIONS:-}" \
   dpkg-buildpackage -b -us -uc >&2)

arch=$(dpkg --print-architecture)
mkdir -p "$repo/build"
deb="$repo/build/brelog_${version}_${arch}.deb"
rm -f "$repo"/build/brelog_*.deb
cp "$work/brelog_${version}_${arch}.deb" "$deb"
echo "$deb"
