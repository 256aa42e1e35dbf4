# Shared by ./run and ./test: install what is missing (as root), configure and build.
# Sourced, not run: it leaves BUILD_DIR set for the caller.
set -euo pipefail

REQUIRED_PACKAGES=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev coinor-libclp-dev
  qt6-base-dev libgl-dev libxcb1-dev qt6-translations-l10n
  fonts-ipafont-gothic fonts-motoya-l-maruberi fonts-liberation
  desktop-file-utils
  scdoc dpkg-dev lintian appstream
)

missing_packages() {
  local p
  for p in "${REQUIRED_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

install_missing() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
  else
    # shellcheck disable=SC2086
    printf '足りない Debian パッケージがあります。root で次を実行してください:\n  %s %s\n' \
      "apt-get install --no-install-recommends" "$(echo $missing)" >&2
    exit 1
  fi
}

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# TOVIRAN_SANITIZE=1 (./test --sanitize): a separate build with the sanitizers.
SANITIZE=OFF
BUILD_DIR="$ROOT_DIR/build"
if [ "${TOVIRAN_SANITIZE:-0}" = 1 ]; then
  SANITIZE=ON
  BUILD_DIR="$ROOT_DIR/build-sanitize"
  # Leaks that the system libraries keep for themselves are not ours to report.
  export LSAN_OPTIONS="suppressions=$ROOT_DIR/scripts/lsan-suppressions.txt:print_suppressions=0"
fi

install_missing
cmake -S "$ROOT_DIR" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOVIRAN_SANITIZE="$SANITIZE" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
