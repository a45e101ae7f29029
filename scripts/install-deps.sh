#!/usr/bin/env bash
# Installs the Debian packages Pathwick needs to build, run and test, only those missing;
# with arguments, only those packages (scripts/fuzz.sh asks for clang's fuzzer this way).
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6dbus6 libgl-dev
  libsqlite3-dev libx11-dev libxtst-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth x11-utils x11-xkb-utils xkb-data
  desktop-file-utils
)
[[ $# -gt 0 ]] && packages=("$@")

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "Please install as root: apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
