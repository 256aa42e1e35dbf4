# The Debian packages that building, testing and packing TOVIRAN need, and how the missing
# ones are installed. Sourced by setup.sh (and by the test that keeps the README's list the
# same as this one); it does nothing by itself.

REQUIRED_PACKAGES=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev coinor-libclp-dev python3
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

# As root, installs what is missing. Anyone else gets the one command to paste: a fresh
# system has empty package lists, so it updates them first.
install_missing() {
  local missing
  missing=$(missing_packages | tr '\n' ' ')
  missing=${missing% }
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
  else
    printf '足りない Debian パッケージがあります。次の1行を実行してから、もう一度どうぞ:\n%s\n' \
      "sudo apt-get update && sudo apt-get install --no-install-recommends $missing" >&2
    exit 1
  fi
}
