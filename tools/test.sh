#!/bin/bash
# Builds and runs every test headless: the Release build's unit, GL and end-to-end tests under
# Xvfb (then the unit and GL suites again, shuffled with a random seed), the screenshots, the
# layout comparison, the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# (the headless unit tests once more with LeakSanitizer), and a short run of every fuzzer.
# Every build treats a warning as an error.
set -e -o pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
bash tools/deps.sh
JOBS=$(nproc)
FUZZ_SECONDS=${FUZZ_SECONDS:-20}
# -noreset: by default the server resets whenever its last client leaves, and a program that
# connects during the reset is refused. The end-to-end tests start one program as the last ends.
XVFB=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe

echo "=== Release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DWW_WERROR=ON >/dev/null
cmake --build build -j"$JOBS"
# The airfoil files the build made must be what the committed polars make.
build/afl_build --check data/airfoils build/Aerodeck/Airfoils
(cd build && "${XVFB[@]}" ctest --output-on-failure --timeout 300)

echo "=== Unit and GL tests shuffled"
# A test that passes only in its file's order leans on state another test left behind.
SEED=$(( (RANDOM << 15 | RANDOM) % 99999 + 1 ))
echo "seed $SEED"
(cd build && env -u DISPLAY timeout 600 ./unit_tests --gtest_shuffle --gtest_random_seed="$SEED" --gtest_repeat=2 \
   --gtest_brief=1)
(cd build && timeout 600 "${XVFB[@]}" ./gl_tests --gtest_shuffle --gtest_random_seed="$SEED" --gtest_brief=1)

echo "=== Installation: desktop entry and Debian package"
desktop-file-validate data/desktop/wing-wright.desktop
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/wing-wright_*.deb)
dpkg-deb -f "$deb" Depends | grep -q libsdl2 || { echo "the package does not depend on SDL"; exit 1; }
rm -rf build/deb-root && dpkg -x "$deb" build/deb-root
WW_INSTALLED_PREFIX="$ROOT/build/deb-root/usr" "${XVFB[@]}" bash tests/e2e/installed_program_runs_from_the_user_folder.sh build/Aerodeck

echo "=== Screenshots"
"${XVFB[@]}" build/screenshots build

echo "=== Record layouts"
# The layout check is the only guard on the file images' byte layout: missing, it fails.
[ -f ../shared/tools/layout.py ] || { echo "the layout checker ../shared/tools/layout.py is missing"; exit 1; }
build/layout_dump > build/layout.tsv
python3 ../shared/tools/layout.py compare build/layout.tsv

echo "=== AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DWW_SANITIZE=ON -DWW_BENCH=OFF -DWW_WERROR=ON >/dev/null
cmake --build build-san -j"$JOBS"
# Mesa's own allocations outlive the process teardown, so the GL suites run without leak checks;
# the headless unit tests link no GL and run once more with LeakSanitizer on.
(cd build-san && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
   "${XVFB[@]}" ctest --output-on-failure --timeout 600)
echo "--- unit tests with LeakSanitizer"
(cd build-san && env -u DISPLAY ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
   ./unit_tests --gtest_brief=1)

echo "=== Fuzzers (${FUZZ_SECONDS}s each)"
# -O1, as libFuzzer advises: at -O0 the instrumented readers manage a few runs a second.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-g -O1" \
  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DWW_FUZZ=ON -DWW_WERROR=ON >/dev/null
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
