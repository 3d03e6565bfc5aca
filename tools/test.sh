#!/bin/bash
# Builds and runs every test headless: the Release build's unit, GL and end-to-end tests under
# Xvfb, the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer, the layout
# comparison, and a short run of every fuzzer.
set -e -o pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
bash tools/deps.sh
JOBS=$(nproc)
FUZZ_SECONDS=${FUZZ_SECONDS:-20}
XVFB=(xvfb-run -a -s "-screen 0 1280x1024x24")
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe

echo "=== Release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$JOBS"
(cd build && "${XVFB[@]}" ctest --output-on-failure --timeout 300)

echo "=== Record layouts"
if [ -f ../shared/tools/layout.py ] && [ -x build/layout_dump ]; then
  build/layout_dump > build/layout.tsv
  python3 ../shared/tools/layout.py compare build/layout.tsv
fi

echo "=== AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DWW_SANITIZE=ON -DWW_BENCH=OFF >/dev/null
cmake --build build-san -j"$JOBS"
# Mesa's own allocations outlive the process teardown; leaks are checked on our code by the unit tests.
(cd build-san && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
   "${XVFB[@]}" ctest --output-on-failure --timeout 600)

echo "=== Fuzzers (${FUZZ_SECONDS}s each)"
# -O1, as libFuzzer advises: at -O0 the instrumented readers manage a few runs a second.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-g -O1" \
  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DWW_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$JOBS"
for f in fuzz/*.cpp; do
  [ -e "$f" ] || continue
  n=$(basename "$f" .cpp)
  mkdir -p "build-fuzz/corpus-$n"
  seeds=""; [ -d "fuzz/corpus/$n" ] && seeds="fuzz/corpus/$n"
  echo "--- $n"
  (cd build-fuzz && ASAN_OPTIONS=detect_leaks=0 ./"$n" -max_total_time="$FUZZ_SECONDS" -timeout=25 -rss_limit_mb=4096 \
     -print_final_stats=0 "corpus-$n" ${seeds:+"$ROOT/$seeds"} 2>&1 | tail -3)
done
echo "All tests passed."
