#!/usr/bin/env bash
# Sets up, builds and then runs the client (./setup.sh run) or every test
# headless (./setup.sh test). As root it first installs what is missing from
# debian-packages.txt.
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}

mapfile -t packages < <(grep -v '^\s*#' debian-packages.txt | grep -v '^\s*$')
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages (run as root to install): ${missing[*]}" >&2
    exit 1
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

case "$mode" in
  run)
    exec build/yanqiao/yanqiao
    ;;
  test)
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
    ;;
  *)
    echo "usage: ./setup.sh run|test" >&2
    exit 2
    ;;
esac
