#!/usr/bin/env bash
# scripts/deps.sh while another process holds the package manager's lock: it waits, says so
# and installs, or gives up after its limit. Fake dpkg-query, apt-get, sudo and sleep come
# first on the PATH: nothing is installed, no time passes.
set -uo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/deps.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin"
printf '#!/bin/sh\nexit 1\n' > "$tmp/bin/dpkg-query"
printf '#!/bin/sh\nexec "$@"\n' > "$tmp/bin/sudo"
printf '#!/bin/sh\n' > "$tmp/bin/sleep"
# The lock is held for as many tries as "verrou" says.
printf '#!/bin/sh\necho "$1" >> %s/appels\nn=$(cat %s/verrou); echo $((n - 1)) > %s/verrou
[ "$n" -le 0 ] || { echo "E: Could not get lock /var/lib/dpkg/lock-frontend." >&2; exit 100; }\n' \
  "$tmp" "$tmp" "$tmp" > "$tmp/bin/apt-get"
chmod +x "$tmp/bin/"*
deps() { : > "$tmp/appels"; echo "$1" > "$tmp/verrou"; PATH="$tmp/bin:$PATH" "$script" > "$tmp/sortie" 2>&1; }

echecs=0
deps 2 && [ "$(tr '\n' ' ' < "$tmp/appels")" = "update update update install " ] &&
  [ "$(grep -c "waiting for it" "$tmp/sortie")" -eq 1 ] ||
  { echo "FAILED: a lock held for two tries is waited for, said once, then the packages installed"; echecs=1; }
! deps 1000 && [ "$(wc -l < "$tmp/appels")" -eq 60 ] && grep -q "still busy" "$tmp/sortie" ||
  { echo "FAILED: a lock held for ever fails after 60 tries, and says so"; echecs=$((echecs + 1)); }
[ "$echecs" -eq 0 ] && echo "package installation: all checks passed"
exit "$echecs"
