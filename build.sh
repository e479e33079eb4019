#!/usr/bin/env bash
# ./build.sh run   installs what is missing, builds and starts Korrimet
# ./build.sh test  installs what is missing, builds and runs every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ make cmake qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-wqy-microhei)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

case "${1:-run}" in
  run) exec build/korrimet ;;
  test) QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)" ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
