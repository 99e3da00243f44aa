#!/usr/bin/env bash
# The Debian package as a user gets it: cpack makes it from the build, it is
# unpacked into a temporary root, its files are checked by the tools of the
# freedesktop.org and AppStream conventions, and the installed application
# runs offscreen on a movie.
#   package_test.sh BUILD_DIR MAKE_TEST_MOVIE
set -euo pipefail
build=$1
make_movie=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package_test: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/*.deb)
dpkg-deb --field "$deb" Depends | grep -q 'libavcodec' ||
  fail "the dependencies do not come from the shared libraries"
dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr

id=com.ondrel.Reelsnap
for file in bin/reelsnap bin/reelsnap-cli share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/reelsnap-cli.1.gz share/man/man1/reelsnap.1.gz \
    share/doc/reelsnap/copyright share/reelsnap/translations/reelsnap_de.qm \
    share/reelsnap/translations/reelsnap_fr.qm; do
  [ -f "$usr/$file" ] || fail "$file is not installed"
done
# Each PNG icon is a PNG of its folder's size (IHDR width at byte 16).
for size in 16 32 48 64 128 256 512; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ "$(head -c 4 "$png" | tail -c 3)" = PNG ] || fail "$png is no PNG"
  [ "$(od -An -tu1 -j18 -N2 "$png" | awk '{print $1 * 256 + $2}')" = "$size" ] ||
    fail "$png is not $size pixels wide"
done
desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >/dev/null
for section in '^\\fB\\-\\-first' '^\.SH EXAMPLES' '^\.SH "SEE ALSO"'; do
  zgrep -q -- "$section" "$usr/share/man/man1/reelsnap-cli.1.gz" ||
    fail "the man page lacks $section"
done
# What Debian would say of the package: no error and no warning.
if command -v lintian >/dev/null; then
  lintian --pedantic --fail-on error,warning "$deb" 2>/dev/null || fail "lintian: $(lintian --pedantic "$deb" 2>/dev/null)"
fi

# The installed programs, on a movie of 25 frames.
"$make_movie" "$work/movie.mp4" 1 64 48 25 0
[ "$("$usr/bin/reelsnap-cli" --count "$work/movie.mp4")" = "$work/movie.mp4: 25 frames" ] ||
  fail "the installed reelsnap-cli does not count the movie"
mkdir -p "$work/config/Ondrel" "$work/frames"
location=$(printf %s "$work/frames" | base64 -w0)
cat > "$work/config/Ondrel/Reelsnap.json" <<JSON
{"CopyTo": true, "QuitWhenDone": true, "ImageType": 5, "CopyToLocation": {"data": "$location"}}
JSON
XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/config QT_QPA_PLATFORM=offscreen \
  timeout 120 "$usr/bin/reelsnap" "$work/movie.mp4" 2>/dev/null ||
  fail "the installed reelsnap did not end with status 0"
[ "$(ls "$work/frames" | wc -l)" = 25 ] || fail "the installed reelsnap did not write 25 frames"
for frame in "$work"/frames/*; do
  [ "$(od -An -tu1 -j16 -N8 "$frame" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')" = "64 48" ] ||
    fail "$frame is not a 64x48 PNG"
done
echo "package_test: $(basename "$deb") installs and runs"
