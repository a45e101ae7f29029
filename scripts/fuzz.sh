#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ (or $PATHWICK_FUZZ_BUILD_DIR)
# and runs each in the test sandbox, so no run touches the user's settings or desktop.
#
#   scripts/fuzz.sh [SECONDS] [NAME...]   fuzz each target (all by default) SECONDS long (60),
#                                         PATHWICK_FUZZ_JOBS of them at once (1)
#   scripts/fuzz.sh --brief               each target over its seed corpus and a few hundred
#                                         fixed mutations (what scripts/test.sh runs); skips,
#                                         and passes, when clang or libFuzzer is missing
#
# A finding fails the script; its input stays in build-fuzz/findings/NAME/ (replay it with
# build-fuzz/fuzz/fuzz_NAME FILE). What a run learns goes to build-fuzz/corpus/NAME/, never
# into the seeds in fuzz/corpus/NAME/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PATHWICK_FUZZ_BUILD_DIR:-$root/build-fuzz}

brief=false
seconds=60
if [[ ${1:-} == --brief ]]; then
  brief=true
  shift
elif [[ ${1:-} =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
names=("$@")
if [[ ${#names[@]} -eq 0 ]]; then
  for source in "$root"/fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    names+=("${name#fuzz_}")
  done
fi

# Whether clang can link a fuzzer with the sanitizers here.
fuzzer_links() {
  command -v clang++ >/dev/null || return 1
  local probe
  probe=$(mktemp -d)
  echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
    >"$probe/probe.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" \
    >/dev/null 2>&1
  local result=$?
  rm -rf "$probe"
  return $result
}

if ! fuzzer_links; then
  if $brief; then
    echo "Skipped fuzzing: clang++ with libFuzzer is not installed."
    exit 0
  fi
  "$root/scripts/install-deps.sh" clang libclang-rt-14-dev
  fuzzer_links || { echo "clang++ cannot link a libFuzzer program" >&2; exit 1; }
fi

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DPATHWICK_BUILD_FUZZ=ON -DPATHWICK_BUILD_TESTS=OFF -DPATHWICK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target $(printf 'fuzz_%s ' "${names[@]}")

source "$root/scripts/sandbox.sh"
pathwick_sandbox "$root"
export QT_QPA_PLATFORM=offscreen
unset DISPLAY

# run_target NAME: one run, niced; its output goes to $scratch/NAME.log.
run_target() {
  local name=$1 corpus limits
  mkdir -p "$build/findings/$name"
  if $brief; then
    corpus="$scratch/corpus/$name"
    limits=(-runs=300 -seed=1)
  else
    corpus="$build/corpus/$name"
    limits=(-max_total_time="$seconds")
  fi
  mkdir -p "$corpus"
  nice "$build/fuzz/fuzz_$name" "${limits[@]}" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name/" "$corpus" "$root/fuzz/corpus/$name" \
    >"$scratch/$name.log" 2>&1
}

# PATHWICK_FUZZ_JOBS targets run at once (1 by default).
declare -A pids
for name in "${names[@]}"; do
  while [[ $(jobs -rp | wc -l) -ge ${PATHWICK_FUZZ_JOBS:-1} ]]; do
    wait -n || true
  done
  run_target "$name" &
  pids[$name]=$!
done

failed=()
for name in "${names[@]}"; do
  echo "== fuzz_$name"
  if ! wait "${pids[$name]}"; then
    tail -n 40 "$scratch/$name.log"
    failed+=("$name")
  fi
  grep -m1 -E '^Done |^stat::number_of_executed_units' "$scratch/$name.log" || true
done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "Findings in: ${failed[*]} (inputs kept in $build/findings/)" >&2
  exit 1
fi
