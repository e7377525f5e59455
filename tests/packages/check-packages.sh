#!/usr/bin/env bash
# Checks that the package list of tools/debian-packages.sh installs every CMake
# package a configure step used: for each "<Package>_DIR" entry under /usr in
# the given CMakeCache.txt files, the Debian package that owns its
# <Package>Config.cmake must be in the list or among the dependencies that an
# install with --no-install-recommends brings in. Exits non-zero, naming each
# package that is missing, when the list has fallen behind.
#   tests/packages/check-packages.sh build-test/CMakeCache.txt [more caches...]
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/debian-packages.sh

if [ $# -eq 0 ]; then
  echo "usage: $0 CMakeCache.txt..." >&2
  exit 2
fi

# The Debian package that owns a file; usrmerge systems may record it under
# /lib rather than /usr/lib.
owner_of() {
  local file=$1 candidate
  for candidate in "$file" "$(readlink -f "$file")" "${file#/usr}"; do
    dpkg-query -S "$candidate" 2>/dev/null | head -n 1 | cut -d: -f1 && return 0
  done
  return 1
}

# The config file of a package folder: <Package>Config.cmake or
# <package>-config.cmake, as find_package looks for them.
config_file_of() {
  local package=$1 dir=$2 lower
  lower=$(printf '%s' "$package" | tr '[:upper:]' '[:lower:]')
  for candidate in "$dir/${package}Config.cmake" "$dir/${lower}-config.cmake"; do
    [ -f "$candidate" ] && { printf '%s\n' "$candidate"; return 0; }
  done
  return 1
}

depends() {
  apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
    --no-replaces --no-enhances "${ZUMERAK_PACKAGES[@]}"
}

# apt-cache answers from the package lists, or, where there are none, from the
# installed packages; an answer with errors gets the lists fetched once.
if ! tree=$(depends 2>&1) || grep -q '^E:' <<<"$tree"; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo -n)
  echo "Fetching the package lists to follow the dependencies"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  tree=$(depends)
fi
# Every package the recursion reached starts a line; alternatives and virtual
# packages appear in brackets.
declare -A installed=()
while read -r name; do
  installed[$name]=1
done < <(sed -n -e 's/^<\{0,1\}\([^ <>:]*\)>\{0,1\}$/\1/p' -e 's/^ *|\{0,1\}[A-Za-z]*: <\{0,1\}\([^ <>:]*\)>\{0,1\}$/\1/p' <<<"$tree")

failed=0
declare -A checked=()
for cache in "$@"; do
  while IFS='=' read -r entry dir; do
    package=${entry%%_DIR:*}
    config=$(config_file_of "$package" "$dir") || continue
    [ -n "${checked[$config]:-}" ] && continue
    checked[$config]=1
    if ! owner=$(owner_of "$config"); then
      echo "FAIL: $config ($package, from $cache) belongs to no Debian package"
      failed=1
    elif [ -z "${installed[$owner]:-}" ]; then
      echo "FAIL: $package needs the Debian package $owner ($config), which tools/debian-packages.sh does not install"
      failed=1
    fi
  done < <(grep -E '^[A-Za-z0-9_.+-]+_DIR:(PATH|STRING|UNINITIALIZED)=/usr/' "$cache")
done
if [ ${#checked[@]} -eq 0 ]; then
  echo "FAIL: no CMake package found in $*"
  exit 1
fi
[ "$failed" -eq 0 ] && echo "The package list installs all ${#checked[@]} CMake packages the configure steps used."
exit "$failed"
