#!/usr/bin/env bash
# Sixteen simulated devices, each receiving at most 2 MB/s like a small
# embedded device, get the reference firmware tree from varnelctl with
# --jobs 1, 8 and 16. Targets: --jobs 8 at least 6x faster than --jobs 1, and
# --jobs 16 within 1.25x of the slowest single device's own time. Run as root
# after a build (it takes a few minutes):
#   bench/parallel-bench.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
ctl="$build/bin/varnelctl"
work=$(mktemp -d)
trap 'kill $sim 2>/dev/null; rm -rf "$work"' EXIT

tree="$work/firmware"
bench/reference-tree.sh "$tree"
echo "tree: $(find "$tree" -type f | wc -l) files, $(du -sm "$tree" | cut -f1) MB"

devices=()
for i in $(seq 2 17); do devices+=("127.0.0.$i,throttle=2000000"); done
/usr/bin/python3 tools/simdevices.py --root "$work/devices" "${devices[@]}" > "$work/sim.log" 2>&1 &
sim=$!
until grep -q ready "$work/sim.log"; do sleep 0.1; done
for i in $(seq 2 17); do
  (cd "$tree" && find . -type d -exec mkdir -p "$work/devices/127.0.0.$i/RFA/{}" \;)
  VARNEL_PASSWORD=admin "$ctl" devices "$work/list.vgl" add "127.0.0.$i" --user admin
done

declare -A took
for jobs in 1 8 16; do
  start=$(date +%s.%N)
  "$ctl" upgrade "$work/list.vgl" --firmware "$tree" --jobs "$jobs" \
    --report "$work/jobs$jobs.csv" > /dev/null 2>&1 || { echo "upgrade --jobs $jobs failed"; exit 1; }
  took[$jobs]=$(echo "$(date +%s.%N) - $start" | bc)
  printf 'upgrade --jobs %-2s %7.1f s\n' "$jobs" "${took[$jobs]}"
done
# Alone on the link in the --jobs 1 run, each device shows its own time.
slowest=$(tail -n +2 "$work/jobs1.csv" | cut -d, -f5 | sort -g | tail -1)
printf 'slowest single device %.1f s\n' "$slowest"
printf 'jobs 1 / jobs 8  = %.2f (target >= 6)\n' "$(echo "${took[1]} / ${took[8]}" | bc -l)"
printf 'jobs 16 / slowest = %.2f (target <= 1.25)\n' "$(echo "${took[16]} / $slowest" | bc -l)"
