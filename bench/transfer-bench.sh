#!/usr/bin/env bash
# Firmware upload to one simulated device: this tool against lftp's mirror and
# one curl per file, all in active mode to the same kind of server; then 50
# probes in a row against fping. Target: the upload no slower than the faster
# of the two others, the probes within 2x of fping. Run as root after a build:
#   bench/transfer-bench.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bench="$build/bin/varnel-bench"
command -v lftp >/dev/null && command -v fping >/dev/null ||
  apt-get install -y --no-install-recommends lftp fping curl >/dev/null

work=$(mktemp -d)
trap 'kill $sim 2>/dev/null; rm -rf "$work"' EXIT

tree="$work/firmware"
bench/reference-tree.sh "$tree"
echo "tree: $(find "$tree" -type f | wc -l) files, $(du -sm "$tree" | cut -f1) MB"

/usr/bin/python3 tools/simdevices.py --root "$work/devices" 127.0.0.2 > "$work/sim.log" 2>&1 &
sim=$!
until grep -q ready "$work/sim.log"; do sleep 0.1; done
remote="$work/devices/127.0.0.2/RFA"
fresh_device() {
  rm -rf "$remote"
  (cd "$tree" && find . -type d -exec mkdir -p "$remote/{}" \;)
}
now() { date +%s.%N; }

fresh_device
read -r ours outcome < <("$bench" upload "$tree" 127.0.0.2 admin admin)
sent=$(find "$remote" -type f | wc -l)
[ "$outcome" = done ] && [ "$sent" = 200 ] || { echo "upload failed: $outcome, $sent files"; exit 1; }

fresh_device
start=$(now)
lftp -u admin,admin -e "set ftp:passive-mode off; mirror -R --no-perms '$tree' /RFA; quit" 127.0.0.2 >/dev/null
lftp_time=$(echo "$(now) - $start" | bc)

fresh_device
start=$(now)
(cd "$tree" && find . -type f | while read -r f; do
  curl -s -P - -u admin:admin -T "$f" "ftp://127.0.0.2/%2FRFA/${f#./}"
done)
curl_time=$(echo "$(now) - $start" | bc)

best=$(echo "if ($lftp_time < $curl_time) $lftp_time else $curl_time" | bc)
printf 'upload   varnel %6.2f s   lftp mirror %6.2f s   curl per file %6.2f s\n' "$ours" "$lftp_time" "$curl_time"
printf 'upload   varnel / faster other = %.2f (target <= 1.00)\n' "$(echo "$ours / $best" | bc -l)"

addresses=$(for i in $(seq 2 51); do echo "127.0.0.$i"; done)
probe=$("$bench" probe $addresses)
start=$(now)
fping -q -c1 -t1000 $addresses 2>/dev/null || true
fping_time=$(echo "$(now) - $start" | bc)
printf 'probe    varnel %6.3f s (%s answered)   fping %6.3f s\n' "${probe% *}" "${probe#* }" "$fping_time"
printf 'probe    varnel / fping = %.2f (target <= 2.00)\n' "$(echo "${probe% *} / $fping_time" | bc -l)"
