#!/usr/bin/env bash
# Runs the formula engine's libFuzzer target for the given number of seconds (default 600).
# Findings land in build/fuzz/funde/. Not part of ./test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-600}"
./scripts/install-deps
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q 'install ok installed'; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends clang libclang-rt-14-dev
fi
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DELVARIS_FUZZ=ON -DELVARIS_TESTS=OFF -DELVARIS_BENCH=OFF >/dev/null
cmake --build build/fuzz --target elvaris_formula_fuzz
mkdir -p build/fuzz/korpus build/fuzz/funde
cp -n tests/fuzz/korpus/* build/fuzz/korpus/ 2>/dev/null || true
./build/fuzz/tests/fuzz/elvaris_formula_fuzz build/fuzz/korpus \
  -max_total_time="$sekunden" -timeout=5 -rss_limit_mb=2048 -max_len=512 \
  -artifact_prefix=build/fuzz/funde/ -print_final_stats=1
