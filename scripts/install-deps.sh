#!/usr/bin/env bash
# Installs the Debian 12 packages Tarnvik builds and tests with; does nothing when all
# are present. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-charts-dev fonts-dejavu-core
  xvfb xauth dpkg-dev
  libopm-simulators-bin libopm-common-bin openmpi-bin python3
  pybind11-dev python3-dev python3-numpy python3-pytest python3-pandas
  python3-matplotlib python3-dask python3-distributed python3-nbconvert jupyter-nbconvert python3-ipykernel
  python3-mypy python3-venv python3-pip
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
