#!/usr/bin/env bash
# reelsnap-cli under valgrind over every movie that fuzzing found a fault
# with: the libraries it calls are not built with the sanitizers, so a bad
# read of theirs shows only here.
#   hostile_movies_test.sh REELSNAP_CLI CORPUS_DIR
set -euo pipefail
cli=$1
corpus=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for movie in "$corpus"/regression-*; do
  # A movie or not (status 0 or 1), it must be read without an invalid access:
  # valgrind ends with 99 when it saw one.
  code=0
  valgrind -q --error-exitcode=99 "$cli" -q --jobs 1 --last 8 -o "$work/out" "$movie" \
    >/dev/null 2>"$work/log" || code=$?
  if [ "$code" -eq 99 ]; then
    echo "hostile_movies_test: $(basename "$movie"):" >&2
    cat "$work/log" >&2
    status=1
  fi
  rm -rf "$work/out"
done

# A header that declares 85 million samples, in a file grown sparse to 4 GiB
# so that its bytes could hold them: more than one movie may take. Under a
# 4 GiB address-space limit both the count and a run say so and fail the
# movie; neither aborts nor takes the memory.
sparse="$work/sparse-4g.mp4"
cp "$corpus/regression-huge-sample-count.mp4" "$sparse"
truncate -s 4G "$sparse"
for args in "--count" "-q -o $work/sparse-out"; do
  code=0
  # shellcheck disable=SC2086
  (ulimit -v 4194304; exec "$cli" $args "$sparse") >/dev/null 2>"$work/log" || code=$?
  if [ "$code" -ne 1 ] || ! grep -q "too large" "$work/log"; then
    echo "hostile_movies_test: sparse 4 GiB header with $args: exit $code" >&2
    cat "$work/log" >&2
    status=1
  fi
  [ ! -e "$work/sparse-out" ] || { echo "hostile_movies_test: a folder was left" >&2; status=1; }
done
exit $status
