# Installs the Debian packages the console needs to build, test and run,
# when any is missing. Sourced by run.sh and test.sh.
ZUMERAK_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6sql6-psql libsqlite3-dev
  libzip-dev libsodium-dev
  python3-openpyxl
  postgresql postgresql-contrib
  clang libclang-rt-dev
  xvfb xauth fonts-dejavu-core
)

zumerak_install_packages() {
  local missing=()
  for package in "${ZUMERAK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}
