#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Usage: out-of-memory.sh PLIVEXWIN
# A render that needs more memory than the process may have ends with one line,
# "plivexwin: out of memory", status 1, and leaves no file behind.
set -u
program=$1
folder=$(mktemp -d) || exit 1
trap 'rm -rf "$folder"' EXIT
"$program" demo "$folder" > /dev/null || exit 1
rm "$folder/demo.png" "$folder/demo.wrl"
# A whole 16384x16384 picture needs 2 GiB; the process may have 300 MB.
(ulimit -v 300000 && exec "$program" render "$folder/demo.scn" "$folder/big.png" \
  --size 16384x16384) 2> "$folder/err.txt"
status=$?
errors=$(cat "$folder/err.txt")
rm "$folder/err.txt"
left=$(ls "$folder")
if [ "$status" -ne 1 ] || [ "$errors" != "plivexwin: out of memory" ] || [ "$left" != demo.scn ]; then
  echo "status $status, standard error '$errors', files left: $left" >&2
  exit 1
fi
