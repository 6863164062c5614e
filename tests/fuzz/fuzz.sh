#!/bin/sh
# Runs every fuzz target of BIN_DIR for SECONDS with mutation. Each target grows a working
# corpus in WORK_DIR (outside the sources), starting from its seed corpus and dictionary; a
# crash, hang or memory blow-up is minimised and saved as tests/fuzz/crashes/<target>/<name>
# with the command that reproduces it in tests/fuzz/crashes/README.md.
# Usage: tests/fuzz/fuzz.sh BIN_DIR WORK_DIR SECONDS [TARGET...]
set -u
bin=$1 work=$2 seconds=$3
shift 3
src=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$src/../.." && pwd)
targets=$*
if [ -z "$targets" ]; then
  for f in "$bin"/fuzz_*; do [ -x "$f" ] && targets="$targets ${f##*/fuzz_}"; done
fi
status=0
for t in $targets; do
  corpus="$work/corpus/$t" artifacts="$work/artifacts/$t"
  mkdir -p "$corpus" "$artifacts"
  dict=""
  [ -f "$src/dict/$t.dict" ] && dict="-dict=$src/dict/$t.dict"
  echo "== fuzz_$t for ${seconds}s"
  "$bin/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" $dict "$corpus" "$src/corpus/$t" > "$work/fuzz_$t.log" 2>&1
  grep -E '^(stat::number_of_executed_units|#[0-9]+ +DONE)' "$work/fuzz_$t.log" | tail -2
  for found in "$artifacts"/crash-* "$artifacts"/timeout-* "$artifacts"/oom-* "$artifacts"/leak-*; do
    [ -f "$found" ] || continue
    name=${found##*/}
    saved="$src/crashes/$t/$name"
    [ -f "$saved" ] && continue
    mkdir -p "$src/crashes/$t"
    case $name in
      crash-*|leak-*)
        "$bin/fuzz_$t" -minimize_crash=1 -max_total_time=60 -exact_artifact_path="$saved" "$found" \
          > "$work/minimize_$t.log" 2>&1 ;;
    esac
    [ -f "$saved" ] || cp "$found" "$saved"
    echo "NEW: tests/fuzz/crashes/$t/$name"
    echo "- \`$t/$name\`: \`build-fuzz/tests/fuzz/fuzz_$t tests/fuzz/crashes/$t/$name\`" \
      >> "$src/crashes/README.md"
    status=1
  done
done
exit $status
