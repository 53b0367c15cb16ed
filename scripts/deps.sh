#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when one is missing.
set -euo pipefail
PAQUETS=(cmake ninja-build g++ ccache pkg-config libsfml-dev libgl-dev
         libgtest-dev libgmock-dev libbenchmark-dev
         libcpp-httplib-dev libsqlite3-dev
         xvfb xauth fonts-dejavu-core)
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
if [ "$(id -u)" -eq 0 ] && command -v locale-gen >/dev/null && ! locale -a 2>/dev/null | grep -qi '^fr_FR.utf-\?8$'; then
  sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen && locale-gen >/dev/null 2>&1 || true
fi
