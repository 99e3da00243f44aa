#!/usr/bin/env bash
# The movie layer side by side with ffprobe/ffmpeg on the same 1080p H.264
# movies: frame counting, a walk over every frame to RGBA, and a walk over
# every 100th frame. Prints each time and our time as a ratio of theirs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target reelsnap-bench make-test-movie >/dev/null
bench=build/reelsnap-bench
out=bench/out
mkdir -p "$out"
seconds=${SECONDS_OF_MOVIE:-180}
movie=$out/walk-${seconds}s.mp4
sparse=$out/sparse-${seconds}s.mp4
[ -f "$movie" ] || build/make-test-movie "$movie" "$seconds" 1920 1080 50 3
[ -f "$sparse" ] || build/make-test-movie "$sparse" "$seconds" 1920 1080 30 3

# Wall seconds and peak KiB of a command.
measure() { /usr/bin/time -f "%e %M" "$@" 2>&1 >/dev/null | tail -n 1; }
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

cat "$movie" "$sparse" >/dev/null  # both from the page cache
read -r ff_count_s ff_count_kib < <(measure ffprobe -v error -count_packets -select_streams v:0 \
  -show_entries stream=nb_read_packets -of csv=p=0 "$movie")
# Our count as a whole process, start-up included, like ffprobe's.
start=$(date +%s%N)
ours=$($bench count "$movie")
our_count_s=$(awk -v a="$start" -v b="$(date +%s%N)" 'BEGIN { printf "%.4f", (b - a) / 1e9 }')
echo "count:     ffprobe ${ff_count_s}s  ours ${our_count_s}s (in-process $(echo "$ours" | field seconds)s)  frames $(echo "$ours" | field frames)  ratio $(ratio "$our_count_s" "$ff_count_s")"
# Most of both times is loading FFmpeg's shared libraries; without it:
read -r ff_start _ < <(measure ffprobe -version)
echo "count without start-up: ffprobe $(awk -v a="$ff_count_s" -v b="$ff_start" 'BEGIN { print a - b }')s (start-up ${ff_start}s)  ours $(echo "$ours" | field seconds)s  ratio $(ratio "$(echo "$ours" | field seconds)" "$(awk -v a="$ff_count_s" -v b="$ff_start" 'BEGIN { print a - b }')")"

read -r ff_walk_s ff_walk_kib < <(measure ffmpeg -v error -i "$movie" -pix_fmt rgba -f null -)
read -r our_walk_s our_walk_kib < <(measure $bench walk "$movie" 1)
echo "walk all:  ffmpeg ${ff_walk_s}s (${ff_walk_kib} KiB)  ours ${our_walk_s}s (${our_walk_kib} KiB)  ratio $(ratio "$our_walk_s" "$ff_walk_s")"

read -r ff_sel_s ff_sel_kib < <(measure ffmpeg -v error -i "$sparse" \
  -vf "select=not(mod(n\,100))" -vsync passthrough -pix_fmt rgba -f null -)
read -r our_sel_s our_sel_kib < <(measure $bench walk "$sparse" 100)
echo "every 100: ffmpeg ${ff_sel_s}s (${ff_sel_kib} KiB)  ours ${our_sel_s}s (${our_sel_kib} KiB)  ratio $(ratio "$our_sel_s" "$ff_sel_s")"
