#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test headless (Xvfb): once in the release
# build and once more with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)
for preset in release asan; do
  echo "=== $preset build ==="
  cmake --preset "$preset" -DMECHSIM_BUILD_TESTS=ON -DMECHSIM_WARNINGS_AS_ERRORS=ON >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  echo "=== $preset tests ==="
  xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" \
    ctest --preset "$preset" -j"$jobs" --timeout 300
done
