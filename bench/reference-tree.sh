#!/usr/bin/env bash
# Writes the reference firmware tree into DIR: 200 files of random bytes, about
# 20 MB, three levels deep, with Doc and Images.
#   bench/reference-tree.sh DIR
set -euo pipefail
tree=$1
dirs=("" Doc Images Doc/en Images/icons Images/icons/small lib lib/net)
for dir in "${dirs[@]}"; do
  mkdir -p "$tree/$dir"
done
for i in $(seq 1 200); do
  dir=${dirs[$((i % ${#dirs[@]}))]}
  size=$(( (i % 10 == 0) ? 600 : 45 ))  # 20 files of 600 KiB, 180 of 45 KiB
  head -c $((size * 1024)) /dev/urandom > "$tree/$dir/file$i.bin"
done
