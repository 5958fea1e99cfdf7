#!/usr/bin/env bash
# Builds the Debian package from a clean copy, installs it with apt-get and checks the
# installed Brelog: it runs from PATH, keeps its files in the user's data folder and
# never writes below /usr, and its menu entry, AppStream data, manual page and the
# package itself pass their checkers. Needs root (or sudo) for apt-get. Removes the
# package again at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
started=$(date +%s)
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
failures=0
fail() { echo "package check FAILED: $*" >&2; failures=$((failures + 1)); }
pass() { echo "package check ok: $*"; }

deb=$(bash scripts/package.sh | tail -n1)
echo "built $deb"
version=$(dpkg-parsechangelog -l debian/changelog -S Version)

# Build-Depends come from the one package list.
for p in $(sed -n '/^Build-Depends:/,/^[A-Z]/p' debian/control | sed 's/^Build-Depends://; s/([^)]*)//g' \
           | tr ',' '\n' | sed -n 's/^[[:space:]]*\([a-z0-9.+-]*\).*/\1/p' | grep -v '^debhelper-compat$'); do
  grep -qw -- "$p" scripts/install-deps.sh || fail "Build-Depends names $p, which scripts/install-deps.sh does not install"
done

cleanup() {
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y brelog >/dev/null 2>&1 || true
  rm -rf "${home:-}" "${BRELOG_PACKAGE_DIR:-${TMPDIR:-/tmp}/brelog-package}"
}
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "$deb" >/dev/null

# What the package owns below /usr, with contents, modes and sizes, before any start.
usr_state() {
  find /usr/bin/brelog /usr/share/brelog -printf '%p %m %s %T@\n' | sort
  find /usr/bin/brelog /usr/share/brelog -type f -exec sha256sum {} + | sort
}
before=$(usr_state)

[ "$(command -v brelog)" = /usr/bin/brelog ] && pass "brelog is /usr/bin/brelog on PATH" || fail "brelog not found on PATH"
out=$(cd / && brelog --version)
[ "$out" = "Brelog $version" ] && pass "brelog --version says $out" || fail "brelog --version said \"$out\", not \"Brelog $version\""

home=$(mktemp -d)
folder="$home/.local/share/brelog"
# The first start lays the user's folder out from /usr/share/brelog.
(cd / && env -u XDG_DATA_HOME HOME="$home" brelog --import-stations "$repo/tests/fixtures/edi-samples/E71W_144.edi") >/dev/null \
  || fail "brelog --import-stations failed"
for f in contest.mdb evidencija.mdb znakovi.mdb jezik/jezik.ini jezik/engleski.lpk cw/0.txt zvukovi/dupla.wav \
         help/en/index.html map/europe.map; do
  [ -f "$folder/$f" ] || fail "the first start did not lay out $folder/$f"
done
# One QSO on 144 MHz, written the way the program stores it, so that the export has a log.
sqlite3 "$folder/contest.mdb" "INSERT INTO takmicenje (Time, Call, RSTs, NrS, Mode, RSTr, NrR, Loc, QRB, Bearing, \
  Date, Points, Dupla, Dodatak1) VALUES ('10:00 ', 'S52B ', 59, 1, '1 ', 59, 7, 'JN76HD ', 120, 95, '2026-05-02 ', \
  120, '- ', '144 MHz ')"
written=$(cd / && env -u XDG_DATA_HOME HOME="$home" brelog --export edi --band "144 MHz") || fail "brelog --export edi failed"
case "$written" in
  "$folder/log/"*.edi) [ -s "$written" ] && grep -q S52B "$written" && pass "export wrote $written" \
                         || fail "export printed $written but the file lacks the QSO" ;;
  *) fail "export wrote \"$written\", not into $folder/log" ;;
esac
[ "$(usr_state)" = "$before" ] && pass "nothing below /usr changed" || fail "files below /usr changed: $(diff <(echo "$before") <(usr_state) | head -5)"

# Desktop integration where Debian expects it.
desktop-file-validate /usr/share/applications/brelog.desktop && pass "desktop file validates" || fail "desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/org.brelog.Brelog.metainfo.xml && pass "metainfo validates" || fail "appstreamcli validate"
for s in scalable/apps/brelog.svg 16x16/apps/brelog.png 48x48/apps/brelog.png 256x256/apps/brelog.png; do
  [ -f "/usr/share/icons/hicolor/$s" ] || fail "icon $s missing"
done
man=/usr/share/man/man1/brelog.1.gz
if [ -f "$man" ]; then
  lint=$(mandoc -T lint -W warning "$man" 2>&1) && pass "manual page lints clean" || fail "mandoc -T lint: $lint"
  # Every option's words in --help appear in the manual page.
  # Qt wraps --help at a fixed width, breaking long words too, so the words are
  # compared with all white space taken out.
  page=$(mandoc -T ascii -O width=1000 "$man" | sed 's/.\x08//g' | tr -d '[:space:]')
  help=$(brelog --help)
  while IFS= read -r words; do
    [ -n "$words" ] || continue
    case "$page" in *"$words"*) ;; *) fail "the manual page lacks --help's \"$words\"" ;; esac
  done < <(echo "$help" | awk '
      /^(Options|Arguments):/ { on = 1; next }
      on && NF { lines[n++] = $0; if (!col && match($0, /^   +/)) col = RLENGTH }
      END {
        for (i = 0; i < n; i++) {
          opt = substr(lines[i], 1, col); desc = substr(lines[i], col + 1)
          if (opt ~ /[^ ]/) { if (d != "") print d; d = desc } else d = d desc
        }
        if (d != "") print d
      }' | tr -d ' \t')
  for o in $(echo "$help" | sed -n '/^Options:/,$p' | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    case "$page" in *"$o"*) ;; *) fail "the manual page lacks the option $o" ;; esac
  done
  pass "manual page checked against --help"
else
  fail "manual page $man missing"
fi

# lintian: errors fail, warnings are listed.
tags=$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)
echo "lintian:"; echo "${tags:-  (nothing)}" | sed 's/^/  /'
echo "$tags" | grep -q '^E: ' && fail "lintian reports errors"

echo "package step took $(( ($(date +%s) - started) / 60 )) min $(( ($(date +%s) - started) % 60 )) s"
if [ "$failures" -ne 0 ]; then
  echo "$failures package check(s) failed" >&2
  exit 1
fi
echo "package checks passed"
