#!/usr/bin/env bash
# Builds the panel and starts it on the simulated supply. With no display it starts on the
# offscreen platform, writes screenshots of the compact and expanded panel and prints their paths.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ktx_install_packages "${KTX_BUILD_PACKAGES[@]}"
build="$KTX_ROOT/build/run"
mkdir -p "$KTX_ROOT/build"
ktx_configure "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKTX_TESTS=OFF
cmake --build "$build" -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shots="$KTX_ROOT/build/screenshots"
  mkdir -p "$shots"
  export QT_QPA_PLATFORM=offscreen
  "$build/bin/KTX2300M" --screenshot "$shots/panel-compact.png" "$@"
  "$build/bin/KTX2300M" --screenshot "$shots/panel-expanded.png" --expanded "$@"
else
  exec "$build/bin/KTX2300M" "$@"
fi
