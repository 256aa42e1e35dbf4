# Shared by ./run and ./test: install what is missing (as root), configure and build.
# Sourced, not run: it leaves BUILD_DIR set for the caller.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

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
