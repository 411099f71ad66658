#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVDW_BUILD_BENCHMARKS=OFF
cmake --build build/release -j "$(nproc)" --target vdwmixtures
exec build/release/app/vdwmixtures "$@"
