#!/usr/bin/env bash
# Runs the recipes of docs/batch.md as they are written there, over a dozen
# generated movies: one process over a find list, GNU parallel with a job
# log and --resume-failed, GNU parallel as over ssh (this machine as the
# host), and the Slurm job array script on a one-node cluster started here.
# Each ends with the same frames, byte for byte, and records of every movie.
#   batch_recipes_test.sh REELSNAP_CLI MAKE_TEST_MOVIE SOURCE_DIR
set -euo pipefail
cli=$(realpath "$1")
make_movie=$(realpath "$2")
source_dir=$(realpath "$3")
work=$(mktemp -d)
chmod 0755 "$work"  # munged wants every folder above its socket open to all
slurm_dir=""

stop_slurm() {
  [ -n "$slurm_dir" ] || return 0
  for pid_file in "$slurm_dir"/slurmd.pid "$slurm_dir"/slurmctld.pid "$slurm_dir"/munged.pid; do
    [ -s "$pid_file" ] && kill "$(cat "$pid_file")" 2>/dev/null || true
  done
  sleep 1
}
trap 'stop_slurm; rm -rf "$work"' EXIT

fail() {
  echo "batch_recipes_test: $*" >&2
  exit 1
}

# The shell block that follows "<!-- recipe: NAME -->" in docs/batch.md.
recipe() {
  awk -v name="$1" '
    $0 == "<!-- recipe: " name " -->" { found = 1; next }
    found && /^```sh/ { inside = 1; next }
    inside && /^```/ { exit }
    inside { print }' "$source_dir/docs/batch.md"
}

# Runs recipe NAME in folder DIR; its exit status.
run_recipe() {
  local block
  block=$(recipe "$1")
  [ -n "$block" ] || fail "docs/batch.md has no recipe $1"
  (cd "$2" && bash -euo pipefail -c "$block") >"$2/$1.out" 2>&1
}

# A folder with a copy of the movies.
fresh() {
  mkdir -p "$work/$1"
  cp -r "$work/movies" "$work/$1/movies"
  echo "$work/$1"
}

mkdir -p "$work/bin"
ln -s "$cli" "$work/bin/reelsnap-cli"
export PATH="$work/bin:$PATH"

# Twelve movies of four names in three folders, one with a space.
for folder in a b "c d"; do
  mkdir -p "$work/movies/$folder"
  for i in 0 1 2 3; do
    "$make_movie" "$work/movies/$folder/clip$i.mp4" 1 160 120 12 0
  done
done

# One process over the whole list: the frames every other recipe must match.
one=$(fresh one-process)
run_recipe one-process "$one" || fail "one-process: $(cat "$one/one-process.out")"
[ "$(find "$one/frames" -name 'frame_*.jpg' | wc -l)" -eq 120 ] || fail "one-process: not 120 frames"
[ -f "$one/frames/c d/clip3/frame_10.jpg" ] || fail "one-process: no c d/clip3/frame_10.jpg"
run_recipe check "$one" || fail "check after one-process: $(cat "$one/check.out")"

same_frames() {
  diff -r -x records -x joblog -x broken "$one/frames" "$1/frames" >/dev/null ||
    fail "$2: the frames differ from one process's"
}

# GNU parallel: a movie that fails is named by the check and run again, alone,
# by --resume-failed once it is mended.
par=$(fresh parallel)
echo "not a movie" >"$par/movies/b/broken.mp4"
if run_recipe parallel "$par"; then fail "parallel: a broken movie, and exit 0"; fi
if run_recipe check "$par"; then fail "check passed with a broken movie"; fi
grep -q "broken.mp4: failed" "$par/check.out" || fail "check does not name the broken movie"
cp "$work/movies/a/clip0.mp4" "$par/movies/b/broken.mp4"
run_recipe parallel "$par" || fail "parallel again: $(cat "$par/parallel.out")"
[ "$(grep -c 'reelsnap-cli' "$par/frames/joblog")" -eq 14 ] ||
  fail "parallel again ran more than the failed job: $(cat "$par/frames/joblog")"
run_recipe check "$par" || fail "check after parallel: $(cat "$par/check.out")"
same_frames "$par" parallel

# GNU parallel as it runs over ssh, with this machine as the only host.
ssh=$(fresh parallel-ssh)
HOSTS=: run_recipe parallel-ssh "$ssh" || fail "parallel-ssh: $(cat "$ssh/parallel-ssh.out")"
run_recipe check "$ssh" || fail "check after parallel-ssh: $(cat "$ssh/check.out")"
same_frames "$ssh" parallel-ssh

# A one-node Slurm cluster: munge, slurmctld and slurmd on localhost, every
# file of theirs in a folder of this test.
slurm_dir="$work/slurm"
mkdir -p "$slurm_dir/spool" "$slurm_dir/state"
head -c 1024 /dev/urandom >"$slurm_dir/munge.key"
chmod 0400 "$slurm_dir/munge.key"
munged --key-file="$slurm_dir/munge.key" --socket="$slurm_dir/munge.sock" \
  --pid-file="$slurm_dir/munged.pid" --log-file="$slurm_dir/munged.log" \
  --seed-file="$slurm_dir/munge.seed" || fail "munged does not start"
host=$(hostname -s)
memory=$(($(awk '/MemTotal/ { print $2 }' /proc/meminfo) / 1024 / 2))
cat >"$slurm_dir/slurm.conf" <<EOF
ClusterName=reelsnap-test
SlurmctldHost=$host(127.0.0.1)
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$slurm_dir/munge.sock
SlurmctldPort=16817
SlurmdPort=16818
StateSaveLocation=$slurm_dir/state
SlurmdSpoolDir=$slurm_dir/spool
SlurmctldPidFile=$slurm_dir/slurmctld.pid
SlurmdPidFile=$slurm_dir/slurmd.pid
SlurmctldLogFile=$slurm_dir/slurmctld.log
SlurmdLogFile=$slurm_dir/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
MpiDefault=none
JobAcctGatherType=jobacct_gather/none
ReturnToService=2
NodeName=$host NodeAddr=127.0.0.1 CPUs=$(nproc) RealMemory=$memory State=UNKNOWN
PartitionName=main Nodes=$host Default=YES MaxTime=INFINITE State=UP
EOF
export SLURM_CONF="$slurm_dir/slurm.conf"
slurmctld -c || fail "slurmctld does not start: $(cat "$slurm_dir/slurmctld.log")"
slurmd || fail "slurmd does not start: $(cat "$slurm_dir/slurmd.log")"
for _ in $(seq 60); do
  sinfo -h -o %t 2>/dev/null | grep -q idle && break
  sleep 1
done
sinfo -h -o %t | grep -q idle || fail "the Slurm node is not idle: $(cat "$slurm_dir/slurmd.log")"

sl=$(fresh slurm)
REELSNAP_SLURM_SCRIPT="$source_dir/packaging/slurm/reelsnap-array.sbatch" run_recipe slurm "$sl" ||
  fail "slurm: $(cat "$sl/slurm.out"; cat "$sl"/reelsnap-*.log 2>/dev/null)"
[ "$(ls "$sl/frames/records" | wc -l)" -eq 3 ] || fail "slurm: not three tasks' records"
run_recipe check "$sl" || fail "check after slurm: $(cat "$sl/check.out")"
same_frames "$sl" slurm
echo "batch_recipes_test: every recipe gave the same frames and a done record for every movie"
