#!/usr/bin/env bash
# Builds the fuzz targets and runs each for FUZZ_SECONDS (default 60) from its seed corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${FUZZ_SECONDS:-60}
CXX=clang++ cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
bash "$root/fuzz/seed.sh" "$root" "$build/corpus"
for target in tables rtf views settings readings; do
  mkdir -p "$build/corpus/$target" "$build/findings/$target"
  echo "== fuzz_$target for ${seconds}s"
  "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=200000 \
    -artifact_prefix="$build/findings/$target/" "$build/corpus/$target" "$root/fuzz/corpus/$target" 2>&1 |
    grep -E 'DONE|INITED|ERROR|SUMMARY|Test unit written' || true
done
