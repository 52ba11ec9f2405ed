# Shared by the run and test commands: installs the Debian packages the build needs (only the
# missing ones) and configures a build directory.

KTX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

ktx_install_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Everything the panel needs to build and run. The help compiler (fp-utils, about 250 MB) is not
# among them: without it the program shows its guide in its own help window. libserialport and
# liblxi (with the libtirpc it needs) let pwrio-probe list serial ports and LAN instruments.
KTX_BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation fonts-dejavu-core
  libserialport-dev liblxi-dev libtirpc-dev)
# What the tests add: the desktop's validators for the installed desktop entry and metainfo.
KTX_TEST_PACKAGES=(locales desktop-file-utils appstream)

ktx_configure() {
  local dir=$1
  shift
  cmake -S "$KTX_ROOT" -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 || {
    cat "$dir.configure.log"
    return 1
  }
}
