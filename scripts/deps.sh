#!/usr/bin/env bash
# Installs the Debian packages the build and the game need, only when one is missing.
#   scripts/deps.sh           what ./run.sh needs: the compiler, the build tools, the libraries
#   scripts/deps.sh --tests   also what ./test.sh needs: the test and benchmark libraries,
#                             Xvfb and its fake input (XTest), the system fonts, Python (the
#                             data generators' check) and a locale with a decimal comma
#   scripts/deps.sh --fuzz    also what the fuzz build needs: clang with its libFuzzer runtime,
#                             and Xvfb to run the targets
set -euo pipefail
PAQUETS=(cmake ninja-build g++ ccache pkg-config libsfml-dev libgl-dev libx11-dev
         libcpp-httplib-dev libsqlite3-dev)
tests=0
for a in "$@"; do
  case "$a" in
    --tests)
      tests=1
      PAQUETS+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth libxtst-dev fonts-dejavu-core python3) ;;
    --fuzz) PAQUETS+=(clang libclang-rt-dev xvfb xauth) ;;
    *) echo "usage: $0 [--tests] [--fuzz]" >&2; exit 2 ;;
  esac
done
manquants=()
for p in "${PAQUETS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
# apt-get, waiting for the package manager's lock when another process holds it (another
# apt-get, an unattended upgrade, a software centre): tried again every 5 seconds for up to
# 5 minutes. Any other failure, or a lock still held then, stops the script.
ESSAIS_VERROU=60
apt_attente() {
  local erreurs essai rc verrou
  erreurs=$(mktemp)
  for ((essai = 1; ; essai++)); do
    rc=0 verrou=0
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get "$@" 2> "$erreurs" || rc=$?
    [ "$rc" -ne 0 ] && grep -qiE "could not get lock|unable to acquire|unable to lock" "$erreurs" && verrou=1
    [ "$verrou" -eq 0 ] || [ "$essai" -ge "$ESSAIS_VERROU" ] && break
    [ "$essai" -eq 1 ] && echo "Another process holds the package manager's lock: waiting for it (up to 5 minutes)..."
    sleep 5
  done
  cat "$erreurs" >&2
  rm -f "$erreurs"
  [ "$verrou" -eq 1 ] && echo "The package manager is still busy after 5 minutes: run this again once it is free." >&2
  return "$rc"
}
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installing: ${manquants[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  apt_attente update -qq
  apt_attente install -y -qq "${manquants[@]}"
fi
# A locale with a decimal comma, so the tests can prove the data files ignore the locale.
if [ "$tests" -eq 1 ] && [ "$(id -u)" -eq 0 ] && command -v locale-gen >/dev/null && ! locale -a 2>/dev/null | grep -qi '^fr_FR.utf-\?8$'; then
  sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen && locale-gen >/dev/null 2>&1 || true
fi
