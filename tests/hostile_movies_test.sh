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
exit $status
