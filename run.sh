#!/usr/bin/env bash
# Installs what is missing, builds, prepares the working folder demo/ the
# first time, and starts the console there. demo/ keeps its data between runs.
set -euo pipefail
cd "$(dirname "$0")"
top=$(pwd)
source tools/debian-packages.sh
zumerak_install_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
# Only what is run here: the console, the admin tool that makes demo/, and the
# simulated encoder with its tool; the tests are test.sh's.
cmake --build build --target zumerak zumerak-admin ZumerakEncoderSim encoder-sim

if [ ! -d demo ]; then
  mkdir -p demo.new/Skins demo.new/Reports
  (cd demo.new && "$top/build/bin/zumerak-admin" init --sample)
  cp skins/*.qss demo.new/Skins/
  cp Help.txt demo.new/
  cat > demo.new/System.ini <<INI
[SYSTEM]
HotelName=Zumerak Demo Hotel
Skin=Cream.qss
EncoderLibrary=$top/build/lib/libZumerakEncoderSim.so
INI
  mv demo.new demo
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to show the console on. Start it in a virtual one:"
  echo "  xvfb-run -a ./run.sh"
  exit 1
fi
cd demo
# The simulated encoder keeps its cards in demo/EncoderSim; build/bin/encoder-sim
# run in demo/ puts a blank card on it, takes it off, shows it.
exec "$top/build/bin/zumerak"
