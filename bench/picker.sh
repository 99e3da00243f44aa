#!/usr/bin/env bash
# The picker's latencies on a generated 1080p movie (a key frame every 250
# frames): next frame, steps back through a group, jumps and drags, each as
# a median and worst over 100 steps. Give a movie to measure another.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target reelsnap-picker-bench >/dev/null
build/reelsnap-picker-bench "$@"

# ffmpeg at the same work as a jump: an exact seek to a frame, decoded and
# scaled to the view, 20 times; its median beside the picker's.
movie=${1:-/tmp/reelsnap-picker-bench.mp4}
duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$movie")
RANDOM=7
times=()
for _ in $(seq 20); do
  t=$(printf '%.3f' "$(echo "scale=3; $duration * $RANDOM / 32768" | bc)")
  start=$(date +%s.%N)
  ffmpeg -v error -ss "$t" -i "$movie" -frames:v 1 -vf scale=782:440 -f null -
  times+=("$(echo "($(date +%s.%N) - $start) * 1000" | bc)")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 10p)
printf '%-34s median %7.1f ms   (20 seeks)\n' "ffmpeg: jump to any frame" "$median"
