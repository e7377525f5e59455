#!/usr/bin/env bash
# Installs what is missing, builds, starts a throw-away PostgreSQL cluster and
# runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source tools/debian-packages.sh
zumerak_install_packages

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUMERAK_WARNINGS_AS_ERRORS=ON
# The fuzz targets: a clang build of their own, instrumented, in which only
# they and the libraries they link are built.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUMERAK_FUZZ=ON
# The package list must install every CMake package these configures used, so
# that a fresh machine configures too.
tests/packages/check-packages.sh build-test/CMakeCache.txt build-fuzz/CMakeCache.txt
cmake --build build-test
cmake --build build-fuzz --target fuzz

# The server-build tests run against a cluster of their own, on a socket in a
# temporary folder; it is stopped however the run ends.
pg_bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
pg_dir=$(mktemp -d /tmp/zumerak-pg.XXXXXX)
pg_port=54329
as_pg=()
if [ "$(id -u)" -eq 0 ]; then
  # PostgreSQL refuses to run as root.
  chown postgres "$pg_dir"
  as_pg=(runuser -u postgres --)
fi
stop_cluster() {
  "${as_pg[@]}" "$pg_bin/pg_ctl" -D "$pg_dir/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$pg_dir"
}
trap stop_cluster EXIT
"${as_pg[@]}" "$pg_bin/initdb" -D "$pg_dir/data" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 >/dev/null
"${as_pg[@]}" "$pg_bin/pg_ctl" -D "$pg_dir/data" -l "$pg_dir/server.log" -w \
  -o "-c listen_addresses='' -k $pg_dir -p $pg_port -c fsync=off" start >/dev/null

export ZUMERAK_TEST_PGHOST="$pg_dir:$pg_port"
export ZUMERAK_TEST_PGUSER=postgres
export ZUMERAK_REQUIRE_PG=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure

# A few seconds per fuzz target from its seeds; README says how to run longer.
fuzz/run-fuzzers.sh "${ZUMERAK_FUZZ_SECONDS:-5}"
