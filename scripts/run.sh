#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program (arguments are passed on).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/ensure-packages.sh" "$root/scripts/packages-build.txt" "$root/scripts/packages-test.txt"
"$root/scripts/build.sh" >/dev/null
build=${SW_BUILD_DIR:-$root/build}
if [[ -x $build/app/SWEditor ]]; then
    exec "$build/app/SWEditor" "$@"
fi
exec "$build/tools/swl" "${@:---help}"
