#!/usr/bin/env bash
# The nine image writers side by side with ffmpeg's image encoders, on the
# same 1920x1080 frames of natural-looking content, at factor 0.7 and
# ffmpeg's settings matched to ours: WebP quality 70 at method 4, AV1 in
# libaom's realtime mode at its fastest speed that ffmpeg's wrapper takes
# (cpu-used 8; libavif's speed 10 goes one further), intra only, on one
# thread: libavif's fixed quantiser 19 and ffmpeg's -crf drive libaom's
# rate control differently, so ffmpeg's side takes crf 15, which gives
# files of our size and PSNR (ffmpeg writes the bare AV1 stream, our file
# adds the AVIF boxes), JPEG XL at effort 3 and distance 2.8 on one thread.
# Each side is one process per type, start-up included. Prints seconds per
# frame, mean file size, mean PSNR against the source frames, and the
# ratios of ours to ffmpeg's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target reelsnap-bench >/dev/null
bench=build/reelsnap-bench
out=bench/out/encoders
count=${FRAMES:-20}
rm -rf "$out" && mkdir -p "$out"
raw=$out/frames.rgba
$bench frames "$raw" "$count"

ffmpeg_args() {  # type -> encoder arguments and extension
  case $1 in
    1) echo "-c:v tiff tif" ;;
    2) echo "-c:v bmp bmp" ;;
    3) echo "-c:v gif gif" ;;
    4) echo "-c:v mjpeg -q:v 4 jpg" ;;
    5) echo "-c:v png png" ;;
    6) echo "-c:v jpeg2000 jp2" ;;
    7) echo "-c:v libwebp -quality 70 -compression_level 4 webp" ;;
    8) echo "-c:v libaom-av1 -usage realtime -cpu-used 8 -threads 1 -g 1 -crf 15 -b:v 0 -pix_fmt yuv420p -f image2 obu" ;;
    9) echo "-c:v libjxl -effort 3 -distance 2.8 -threads 1 -pix_fmt rgb24 jxl" ;;
  esac
}
mean_size() { find "$1" -type f -printf '%s\n' | awk '{ s += $1; n++ } END { printf "%d", s / n }'; }

printf '%-5s %12s %12s %7s %12s %12s %7s %8s %8s\n' type ffmpeg_s/f ours_s/f ratio ffmpeg_bytes our_bytes size \
  ffmpeg_dB our_dB
for type in ${TYPES:-1 2 3 4 5 6 7 8 9}; do
  read -r -a args <<<"$(ffmpeg_args $type)"
  ext=${args[-1]}
  unset 'args[-1]'
  mkdir -p "$out/ffmpeg-$ext" "$out/ours-$ext"
  start=$(date +%s%N)
  ffmpeg -v error -f rawvideo -pix_fmt rgba -s 1920x1080 -i "$raw" "${args[@]}" \
    "$out/ffmpeg-$ext/frame_%d.$ext"
  theirs=$(( $(date +%s%N) - start ))
  start=$(date +%s%N)
  $bench encode $type "$raw" "$out/ours-$ext" >/dev/null
  ours=$(( $(date +%s%N) - start ))
  ff_bytes=$(mean_size "$out/ffmpeg-$ext")
  our_bytes=$(mean_size "$out/ours-$ext")
  ours_ext=$(cd "$out/ours-$ext" && ls | head -n 1 | sed 's/.*\.//')
  ff_db=$($bench psnr "$raw" "$out/ffmpeg-$ext" "$ext" || echo -)
  our_db=$($bench psnr "$raw" "$out/ours-$ext" "$ours_ext" || echo -)
  awk -v t="$ext" -v a="$theirs" -v b="$ours" -v n="$count" -v fa="$ff_bytes" -v fb="$our_bytes" \
    -v da="$ff_db" -v db="$our_db" \
    'BEGIN { printf "%-5s %12.4f %12.4f %7.3f %12d %12d %7.3f %8s %8s\n", t, a/n/1e9, b/n/1e9, b/a, fa, fb, fb/fa, da, db }'
done
