#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps
cmake --preset dev
cmake --build --preset dev
ctest --preset dev
