#!/usr/bin/env bash
# run.sh BUILD STAGE - the micro-benchmarks, then the process-level figures of the
# installed program against its peers (measure.sh). Logs stay in BUILD/bench/measure.
set -u
build=$(cd "$1" && pwd)
stage=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

echo "== micro-benchmarks"
"$build/bench/tavelo_bench" --benchmark_min_time=0.3 \
  --benchmark_out="$build/bench/micro.json" --benchmark_out_format=json || exit 1

echo
echo "== installed program on a private desktop, against its peers (about eight minutes)"
rm -rf "$build/bench/measure"
"$here/measure.sh" --install-peers --overlay-breaks 3 --probe "$build/bench/tavelo-window-probe" --out "$build/bench/measure" "$stage"
