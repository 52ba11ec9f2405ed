#!/usr/bin/env bash
# Builds a release of the panel and makes a Debian package of it with cpack, its dependencies
# computed by dpkg-shlibdeps. Prints the package's path. Install it with
#   sudo apt-get install ./build/package/ktx2300m_<version>_<arch>.deb
# Set KTX_WITH_CHM=1 to compile the CHM guide into the package too (installs fp-utils).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

extra=(dpkg-dev file)
[ "${KTX_WITH_CHM:-0}" = 1 ] && extra+=(fp-utils)
ktx_install_packages "${KTX_BUILD_PACKAGES[@]}" "${extra[@]}"
build="$KTX_ROOT/build/package"
mkdir -p "$KTX_ROOT/build"
ktx_configure "$build" -DCMAKE_BUILD_TYPE=Release -DKTX_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || {
  cat "$build/cpack.log"
  exit 1
}
ls "$build"/*.deb
