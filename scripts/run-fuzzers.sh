#!/usr/bin/env bash
# Runs every fuzz target built in BUILD_DIR for SECONDS each, starting from a
# copy of its seed corpus (the checked-in corpus is never modified).
# Fails when any target finds a crash, leak, time-out or sanitizer report.
# Usage: scripts/run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
build_dir=$1
seconds=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
fuzz_src=$source_dir/tests/fuzz

mapfile -t targets < <(find "$build_dir/tests/fuzz" -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x | sort)
if [ ${#targets[@]} -eq 0 ]; then
  echo "no fuzz targets in $build_dir/tests/fuzz" >&2
  exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tavelo-fuzz.XXXXXX")
# Scratch files of the targets themselves; a memory file system keeps fsync cheap.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  scratch=$(mktemp -d /dev/shm/tavelo-fuzz.XXXXXX)
else
  scratch=$work/scratch
  mkdir -p "$scratch"
fi
trap 'rm -rf "$work" "$scratch"' EXIT

failed=()
for binary in "${targets[@]}"; do
  name=$(basename "$binary")
  corpus=$work/$name/corpus
  artifacts=$(cd "$build_dir" && pwd)/fuzz-artifacts/$name
  mkdir -p "$corpus" "$artifacts"
  if [ -d "$fuzz_src/corpus/$name" ]; then
    cp -r "$fuzz_src/corpus/$name/." "$corpus/"
  fi
  args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$artifacts/")
  if [ -f "$fuzz_src/$name.dict" ]; then
    args+=(-dict="$fuzz_src/$name.dict")
  fi
  echo "== $name: ${seconds}s"
  log=$work/$name/log
  if TMPDIR=$scratch ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
      "$binary" "${args[@]}" "$corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    echo "   ok: ${runs:-?} executions, corpus $(find "$corpus" -type f | wc -l) inputs"
  else
    echo "   FAILED; last lines of the log (artifacts in $artifacts):"
    tail -n 40 "$log" | sed 's/^/   | /'
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz targets failed: ${failed[*]}" >&2
  exit 1
fi
echo "all ${#targets[@]} fuzz targets ran ${seconds}s without a finding"
