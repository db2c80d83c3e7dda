#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/ensure-packages.sh" "$root/scripts/packages-build.txt" "$root/scripts/packages-test.txt"
extra=()
[[ ${CI:-} == true ]] && extra+=(-DSW_WERROR=ON)
"$root/scripts/build.sh" "${extra[@]}"
build=${SW_BUILD_DIR:-$root/build}
cd "$build"
ctest --output-on-failure -j"$(nproc)"
