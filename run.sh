#!/usr/bin/env bash
# Installs what is missing, builds and starts Elvaris on the demo database.
# Further arguments go to the program, e.g. ./run.sh --screenshot bild.png
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps
cmake --preset dev >/dev/null
cmake --build --preset dev --target elvaris demo
cd build/dev/demo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Kein Bildschirm gefunden: Elvaris speichert das Hauptfenster als build/dev/demo/elvaris.png." >&2
  exec env QT_QPA_PLATFORM=offscreen ../src/elvaris demo.ssw --screenshot elvaris.png "$@"
fi
exec ../src/elvaris demo.ssw "$@"
