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
  # A movie or not, it must be read without an invalid access or a leak of ours.
  if ! valgrind -q --error-exitcode=99 "$cli" -q --jobs 1 --last 8 -o "$work/out" "$movie" \
      >/dev/null 2>"$work/log"; then
    if grep -q '^==[0-9]*==' "$work/log"; then
      echo "hostile_movies_test: $(basename "$movie"):" >&2
      cat "$work/log" >&2
      status=1
    fi
  fi
  rm -rf "$work/out"
done
exit $status
