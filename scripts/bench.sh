#!/usr/bin/env bash
# Builds the benchmarks in the release build and prints their figures (ratios against the goals).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release -DMECHSIM_BUILD_BENCHMARKS=ON >/dev/null
cmake --build --preset release --target mechsim_bench playback_probe -j"$(nproc)"
build/release/bench/mechsim_bench
xvfb-run -a -s "-screen 0 1920x1080x24" build/release/bench/playback_probe
