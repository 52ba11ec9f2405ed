#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole test
# suite on Qt's offscreen platform. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ktx_install_packages "${KTX_BUILD_PACKAGES[@]}" "${KTX_TEST_PACKAGES[@]}"
# One locale with a decimal comma and a 12-hour clock, so the tests can show that numbers, files
# and the clock never follow the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi

build="$KTX_ROOT/build/test"
mkdir -p "$KTX_ROOT/build"
ktx_configure "$build" -DCMAKE_BUILD_TYPE=Debug -DKTX_SANITIZE=ON -DKTX_TESTS=ON
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$KTX_ROOT/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
