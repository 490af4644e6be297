#!/usr/bin/env bash
# Builds the release preset and runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps
cmake --preset release >/dev/null
cmake --build --preset release --target elvaris_bench
./build/release/bench/elvaris_bench "$@"
