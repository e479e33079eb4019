#!/usr/bin/env bash
# ./build.sh run   installs what is missing, builds and starts Korrimet
# ./build.sh test  installs what is missing, builds and runs every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ make cmake qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-arphic-uming fonts-noto-cjk fonts-wqy-microhei qt6-translations-l10n)
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

case "${1:-run}" in
  run)
    # The program alone: the tests are built by "test".
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$(nproc)" --target korrimet
    exec build/korrimet
    ;;
  test)
    # One build for every test, under the address, leak and undefined-behaviour sanitizers.
    cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DKORRIMET_SANITIZE=ON
    cmake --build build-test -j"$(nproc)"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
      QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure -j"$(nproc)" --timeout 600
    ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
