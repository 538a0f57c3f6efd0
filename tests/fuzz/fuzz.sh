# Sourced by scripts/fuzz-*: builds a libFuzzer target (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it over a seed corpus made for the run.
# FUZZ_SECONDS (default 30) bounds the run and FUZZ_JOBS (default 1) is how many cores it may use;
# the script's own arguments go to libFuzzer (e.g. -runs=N, or a folder to keep the corpus in).
# FUZZ_OUT (default build-fuzz) is where the target, its log <target>.log and any input that
# crashed, leaked or hung it are put; a long campaign takes its own, away from ./test.sh's rebuilds.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
out=${FUZZ_OUT:-build-fuzz}
mkdir -p "$out"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT

# fuzz_build TARGET SOURCES... [LINK FLAGS...]
fuzz_build() {
  local target=$1
  shift
  clang++ -std=c++17 -g -O1 -Isrc -Itests/fuzz -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined "$@" -o "$out/$target"
}

# fuzz_run TARGET [LIBFUZZER ARGS...]
fuzz_run() {
  local target=$1
  shift
  local jobs=${FUZZ_JOBS:-1} parallel=()
  [ "$jobs" -gt 1 ] && parallel=(-fork="$jobs")
  local status=0
  "$out/$target" -max_total_time="${FUZZ_SECONDS:-30}" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$out/$target-" -print_final_stats=1 "${parallel[@]}" "$@" "$corpus" \
    >"$out/$target.log" 2>&1 || status=$?
  # The final figures, or the whole report of what went wrong.
  tail -n $((status == 0 ? 8 : 80)) "$out/$target.log"
  return $status
}

# Small pictures of the kinds the game's files hold, written into the corpus.
gif_seeds() {
  convert rose: -resize 24x16 "$corpus/small.gif"
  convert rose: -resize 24x16 -interlace GIF "$corpus/interlaced.gif"
  convert rose: -resize 20x14 -fuzz 20% -transparent red "$corpus/transparent.gif"
  convert rose: -resize 16x16 -monochrome "$corpus/two_colours.gif"
  convert -size 1x1 xc:red "$corpus/one_pixel.gif"
  convert -delay 10 -size 8x6 gradient:red-yellow -size 8x6 gradient:blue-green -dispose Background \
    "$corpus/frames.gif"
}

# The data tree's own datafiles, as they are, packed whole by Allegro's packfile layer ("slh!") and
# packed object by object by Allegro's dat tool.
datafile_seeds() {
  local tree=${FUZZ_DATA:-build/game} file name
  if [ ! -d "$tree" ]; then
    echo "no data tree in $tree: build first (scripts/build build)" >&2
    return 1
  fi
  clang++ -std=c++17 -O1 tests/fuzz/pack_datafile.cpp -o "$out/pack_datafile" $(pkg-config --libs allegro)
  while IFS= read -r file; do
    name=$(tr / _ <<<"${file#"$tree"/}")
    cp "$file" "$corpus/$name"
    "$out/pack_datafile" "$file" "$corpus/packed_$name"
    cp "$file" "$corpus/objects_packed_$name"
    dat -c1 -s1 -n0 -w "$corpus/objects_packed_$name" >/dev/null
  done < <(find "$tree" -name '*.dat' | sort)
}
