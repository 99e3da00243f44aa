#!/usr/bin/env bash
# The real application, headless, against the ffmpeg command-line tool doing
# the same work, in turn, three times each (RUNS), medians reported: on a
# 1920x1080 H.264 movie (1000 frames, a key frame every 25) every frame to
# JPEG, every frame to PNG, every frame to WebP (quality 70, method 4 on
# both sides) and every 50th frame to JPEG; every frame of
# 4-second 4K HEVC Main10 movies to JPEG, one SDR, one HLG
# tone-mapped by both. Then the application's peak memory on a 1-minute and a
# 10-minute movie. Our times leave out the one-second delay and the
# quarter-second fade with which QuitWhenDone ends the process once every
# file is written. The selection cases take a 10-minute 1280x720 H.264 movie
# with a key frame every 10 s: one frame every 10 s against the fps filter,
# the key frames against -skip_frame nokey, the scene changes against scdet.
#   bench/app_run.sh [CASE...]   cases: jpeg png webp sparse main10 hlg memory seconds keys scenes
#                                (default: all)
set -euo pipefail
cases=${*:-jpeg png webp sparse main10 hlg memory seconds keys scenes}
wanted() { [[ " $cases " == *" $1 "* ]]; }
cd "$(dirname "$0")/.."
scripts/bootstrap
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target reelsnap make-test-movie >/dev/null
out=bench/out/app
mkdir -p "$out"
movie=$out/run-1080p-1000.mp4
[ -f "$movie" ] || build/make-test-movie "$movie" 40 1920 1080 25 3
short=$out/mem-1min.mp4
long=$out/mem-10min.mp4
[ -f "$short" ] || build/make-test-movie "$short" 60 640 360 25 2
[ -f "$long" ] || build/make-test-movie "$long" 600 640 360 25 2
hdr=$out/hlg-4k-main10.mp4
[ -f "$hdr" ] || build/make-test-movie "$hdr" 4 3840 2160 25 3 hevc-hlg
main10=$out/sdr-4k-main10.mp4
[ -f "$main10" ] || build/make-test-movie "$main10" 4 3840 2160 25 3 hevc-main10
chosen=$out/select-720p-10min.mp4
if wanted seconds || wanted keys || wanted scenes; then
  [ -f "$chosen" ] || build/make-test-movie "$chosen" 600 1280 720 250 3
fi

config=$out/config
frames=$out/frames
# Runs the application with these preferences members; prints "seconds peak_kib".
ours() {
  local members=$1 file=$2
  rm -rf "$frames" "$config" && mkdir -p "$frames" "$config/Ondrel"
  local location
  location=$(printf '%s' "$PWD/$frames" | base64 -w0)
  printf '{"CopyTo": true, "QuitWhenDone": true, "CopyToLocation": {"data": "%s"}%s}\n' \
    "$location" "$members" >"$config/Ondrel/Reelsnap.json"
  XDG_CONFIG_HOME=$PWD/$config XDG_RUNTIME_DIR=$PWD/$config QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*.warning=false' \
    /usr/bin/time -f "%e %M" build/reelsnap "$file" 2>&1 >/dev/null | tail -n 1 |
    awk '{ printf "%.2f %d\n", $1 - 1.25, $2 }'
}
theirs() {
  rm -rf "$frames" && mkdir -p "$frames"
  /usr/bin/time -f "%e %M" ffmpeg -v error "$@" 2>&1 >/dev/null | tail -n 1
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# compare NAME MEMBERS MOVIE FFMPEG-ARGS...: ffmpeg and ours in turn, RUNS times
# (3 unless set); prints the median times, the median ratio and every ratio.
# Our peak memory of the last run is left in $our_kib.
compare() {
  local name=$1 members=$2 file=$3 ff us k
  shift 3
  local ffs=() uss=() ratios=()
  for ((k = 0; k < ${RUNS:-3}; k++)); do
    read -r ff _ < <(theirs "$@")
    read -r us our_kib < <(ours "$members" "$file")
    ffs+=("$ff")
    uss+=("$us")
    ratios+=("$(awk -v a="$ff" -v b="$us" 'BEGIN { printf "%.3f", b / a }')")
  done
  printf '%-22s ffmpeg %7.2fs  ours %7.2fs  ratio %s  (each run: %s)\n' "$name" \
    "$(printf '%s\n' "${ffs[@]}" | median)" "$(printf '%s\n' "${uss[@]}" | median)" \
    "$(printf '%s\n' "${ratios[@]}" | median)" "${ratios[*]}"
}

cat "$movie" >/dev/null
if wanted jpeg; then
  compare "all frames to JPEG" '' "$movie" -i "$movie" -fps_mode passthrough -q:v 4 "$frames/frame_%d.jpg"
fi
if wanted png; then
  compare "all frames to PNG" ', "ImageType": 5' "$movie" -i "$movie" -fps_mode passthrough \
    "$frames/frame_%d.png"
fi
if wanted webp; then
  compare "all frames to WebP" ', "ImageType": 7' "$movie" -i "$movie" -fps_mode passthrough \
    -c:v libwebp -quality 70 -compression_level 4 "$frames/frame_%d.webp"
fi
if wanted sparse; then
  compare "every 50th to JPEG" ', "Skip": 50' "$movie" -i "$movie" -vf 'select=not(mod(n\,50))' \
    -fps_mode passthrough -q:v 4 "$frames/frame_%d.jpg"
fi

# HDR: the same tone mapping as ours (zimg linear light, Hable, BT.709).
if wanted main10; then
  compare "4K HEVC Main10 to JPEG" '' "$main10" -i "$main10" -fps_mode passthrough -q:v 4 \
    "$frames/frame_%d.jpg"
  echo "  our peak memory: $our_kib KiB"
fi
if wanted hlg; then
  compare "4K HLG Main10 to JPEG" '' "$hdr" -i "$hdr" -fps_mode passthrough -vf \
    'zscale=t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,tonemap=hable:desat=0,zscale=t=bt709:m=bt709:r=tv,format=yuv420p' \
    -q:v 4 "$frames/frame_%d.jpg"
  echo "  our peak memory: $our_kib KiB"
fi

if wanted seconds; then
  compare "every 10 s to JPEG" ', "SelectionMode": 2, "SelectionSeconds": 10' "$chosen" \
    -i "$chosen" -vf fps=1/10 -q:v 4 "$frames/frame_%d.jpg"
fi
if wanted keys; then
  compare "key frames to JPEG" ', "SelectionMode": 3' "$chosen" -skip_frame nokey -i "$chosen" \
    -fps_mode passthrough -q:v 4 "$frames/frame_%d.jpg"
fi
if wanted scenes; then
  compare "scene changes to JPEG" ', "SelectionMode": 5, "SceneThreshold": 10' "$chosen" \
    -i "$chosen" -vf scdet=threshold=10:sc_pass=1 -fps_mode passthrough -q:v 4 \
    "$frames/frame_%d.jpg"
fi

if wanted memory; then
  read -r _ short_kib < <(ours ', "Skip": 10' "$short")
  read -r _ long_kib < <(ours ', "Skip": 10' "$long")
  awk -v a="$short_kib" -v b="$long_kib" \
    'BEGIN { printf "peak memory, every 10th frame: 1 min %d KiB, 10 min %d KiB, ratio %.3f\n", a, b, b / a }'
fi
