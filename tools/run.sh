#!/bin/bash
# Builds the editor (Release) and starts it from its installation folder build/Aerodeck.
set -e
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DWW_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target Wing-Wright
exec build/Aerodeck/Wing-Wright
