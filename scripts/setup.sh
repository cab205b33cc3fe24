#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the simulators needs,
# and generates the Russian locale the GUI tests run under. Quick when all is present.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-translations-l10n
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-liberation2 fonts-dejavu-core locales
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  as_root sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen
fi
