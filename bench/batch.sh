#!/usr/bin/env bash
# reelsnap-cli as the unit of a batch, over 100 MP4 movies (10 s, 640x360,
# every 5th frame to JPEG, 50 a movie):
# - one process per movie, one after another, against ffmpeg the same way;
# - the GNU parallel recipe of docs/batch.md (-j cores), against ffmpeg under
#   the same parallel command;
# - one process over the whole list (--from);
# - the same list run again once it is finished: every frame kept, nothing
#   decoded (goal: under 2 s in all).
#   bench/batch.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target reelsnap-cli make-test-movie >/dev/null
out=$PWD/bench/out/batch
cli=$PWD/build/reelsnap-cli
mkdir -p "$out/movies"
for i in 0 1 2 3; do
  [ -f "$out/source$i.mp4" ] || build/make-test-movie "$out/source$i.mp4" 10 640 360 25 2
done
for i in $(seq 0 99); do
  folder=$out/movies/$((i % 10))
  mkdir -p "$folder"
  [ -f "$folder/clip$i.mp4" ] || cp "$out/source$((i % 4)).mp4" "$folder/clip$i.mp4"
done
cd "$out"
find movies -name '*.mp4' | sort >list.txt
seconds() { /usr/bin/time -f %e "$@" 2>&1 >/dev/null | tail -n 1; }
fresh() { rm -rf frames ff && mkdir -p frames ff; }

ffmpeg_one() {
  local movie=$1 folder=ff/${1%.mp4}
  mkdir -p "$folder"
  ffmpeg -nostdin -loglevel error -i "$movie" -vf "select=not(mod(n+1\,5))" -fps_mode passthrough \
    -q:v 3 "$folder/frame_%d.jpg"
}
export -f ffmpeg_one

fresh
ours_serial=$(seconds bash -c "while read -r m; do '$cli' --tree movies -o frames --step 5 --quiet \"\$m\"; done <list.txt")
fresh
ffmpeg_serial=$(seconds bash -c 'while read -r m; do ffmpeg_one "$m"; done <list.txt')
fresh
ours_parallel=$(seconds bash -c "parallel -j $(nproc) '$cli' --tree movies -o frames --step 5 --quiet --json {} '>>' frames/records.jsonl <list.txt")
fresh
ffmpeg_parallel=$(seconds bash -c "parallel -j $(nproc) ffmpeg_one {} <list.txt")
fresh
ours_list=$(seconds "$cli" --from list.txt --tree movies -o frames --step 5 --quiet --json)
files=$(find frames -name 'frame_*.jpg' | wc -l)
rerun=$(seconds "$cli" --from list.txt --tree movies -o frames --step 5 --quiet --json)
"$cli" --from list.txt --tree movies -o frames --step 5 --quiet --json >rerun.jsonl
decoded=$(jq -s '[.[] | select(.status) | .decoded] | add' rerun.jsonl)
kept=$(jq -s '[.[] | select(.status) | .kept] | add' rerun.jsonl)

ratio() { echo "scale=3; $1 / $2" | bc; }
echo "100 movies, $files frames, $(nproc) cores"
echo "one process a movie, in turn:  ours ${ours_serial} s, ffmpeg ${ffmpeg_serial} s, ratio $(ratio "$ours_serial" "$ffmpeg_serial")"
echo "GNU parallel -j $(nproc):            ours ${ours_parallel} s, ffmpeg ${ffmpeg_parallel} s, ratio $(ratio "$ours_parallel" "$ffmpeg_parallel")"
echo "parallel against one after another: $(ratio "$ours_parallel" "$ours_serial") of the time"
echo "one process over the list:     ours ${ours_list} s ($(ratio "$ours_list" "$ffmpeg_serial") of ffmpeg in turn)"
echo "the finished job again:        ${rerun} s, $kept frames kept, $decoded decoded"
