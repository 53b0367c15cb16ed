#!/usr/bin/env bash
# Installs the Debian packages the build and the game need, only when one is missing.
#   scripts/deps.sh           what ./run.sh needs: the compiler, the build tools, the libraries
#   scripts/deps.sh --tests   also what ./test.sh needs: the test and benchmark libraries,
#                             Xvfb, the system fonts and a locale with a decimal comma
set -euo pipefail
PAQUETS=(cmake ninja-build g++ ccache pkg-config libsfml-dev libgl-dev libx11-dev
         libcpp-httplib-dev libsqlite3-dev)
tests=0
if [ "${1:-}" = "--tests" ]; then
  tests=1
  PAQUETS+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-dejavu-core)
fi
manquants=()
for p in "${PAQUETS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installing: ${manquants[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${manquants[@]}"
fi
# A locale with a decimal comma, so the tests can prove the data files ignore the locale.
if [ "$tests" -eq 1 ] && [ "$(id -u)" -eq 0 ] && command -v locale-gen >/dev/null && ! locale -a 2>/dev/null | grep -qi '^fr_FR.utf-\?8$'; then
  sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen && locale-gen >/dev/null 2>&1 || true
fi
