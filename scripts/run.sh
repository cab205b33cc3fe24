#!/usr/bin/env bash
# Installs what is missing, builds one simulator (oscilab unless named) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-oscilab}
case "$program" in
  oscilab) ;;
  *) echo "Unknown program '$program'. Available: oscilab" >&2; exit 2 ;;
esac
bash scripts/setup.sh
cmake --preset release -DMECHSIM_BUILD_TESTS=OFF -DMECHSIM_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build --preset release --target "$program" -j"$(nproc)"
exec "build/release/$program/$program"
