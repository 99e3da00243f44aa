#!/usr/bin/env bash
# The real application, headless, against the ffmpeg command-line tool doing
# the same work on the same 1920x1080 H.264 movie (1000 frames, a key frame
# every 25): every frame to JPEG, every frame to PNG, every 50th frame to
# JPEG; every frame of 4-second 4K HEVC Main10 movies to JPEG, one SDR, one HLG
# tone-mapped by both. Then the application's peak memory on a 1-minute and a 10-minute
# movie. Our times leave out the one-second delay before QuitWhenDone ends
# the process.
#   bench/app_run.sh [CASE...]   cases: jpeg png sparse main10 hlg memory (default: all)
set -euo pipefail
cases=${*:-jpeg png sparse main10 hlg memory}
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
    awk '{ printf "%.2f %d\n", $1 - 1.0, $2 }'
}
theirs() {
  rm -rf "$frames" && mkdir -p "$frames"
  /usr/bin/time -f "%e %M" ffmpeg -v error "$@" 2>&1 >/dev/null | tail -n 1
}
report() {
  awk -v name="$1" -v a="$2" -v b="$3" 'BEGIN { printf "%-22s ffmpeg %7.2fs  ours %7.2fs  ratio %.3f\n", name, a, b, b / a }'
}

cat "$movie" >/dev/null
if wanted jpeg; then
  read -r ff _ < <(theirs -i "$movie" -fps_mode passthrough -q:v 4 "$frames/frame_%d.jpg")
  read -r us _ < <(ours '' "$movie")
  report "all frames to JPEG" "$ff" "$us"
fi
if wanted png; then
  read -r ff _ < <(theirs -i "$movie" -fps_mode passthrough "$frames/frame_%d.png")
  read -r us _ < <(ours ', "ImageType": 5' "$movie")
  report "all frames to PNG" "$ff" "$us"
fi
if wanted sparse; then
  read -r ff _ < <(theirs -i "$movie" -vf 'select=not(mod(n\,50))' -fps_mode passthrough -q:v 4 \
    "$frames/frame_%d.jpg")
  read -r us _ < <(ours ', "Skip": 50' "$movie")
  report "every 50th to JPEG" "$ff" "$us"
fi

# HDR: the same tone mapping as ours (zimg linear light, Hable, BT.709).
if wanted main10; then
  read -r ff _ < <(theirs -i "$main10" -fps_mode passthrough -q:v 4 "$frames/frame_%d.jpg")
  read -r us us_kib < <(ours '' "$main10")
  report "4K HEVC Main10 to JPEG" "$ff" "$us"
  echo "  our peak memory: $us_kib KiB"
fi
if wanted hlg; then
  read -r ff _ < <(theirs -i "$hdr" -fps_mode passthrough -vf \
    'zscale=t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,tonemap=hable:desat=0,zscale=t=bt709:m=bt709:r=tv,format=yuv420p' \
    -q:v 4 "$frames/frame_%d.jpg")
  read -r us _ < <(ours '' "$hdr")
  report "4K HLG Main10 to JPEG" "$ff" "$us"
fi

if wanted memory; then
  read -r _ short_kib < <(ours ', "Skip": 10' "$short")
  read -r _ long_kib < <(ours ', "Skip": 10' "$long")
  awk -v a="$short_kib" -v b="$long_kib" \
    'BEGIN { printf "peak memory, every 10th frame: 1 min %d KiB, 10 min %d KiB, ratio %.3f\n", a, b, b / a }'
fi
