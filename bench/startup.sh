#!/usr/bin/env bash
# What one run of grade costs next to /bin/true, and its peak memory on huge input.
# Usage: bench/startup.sh [path/to/grade]   (default: the release build, build/default/grade)
# Needs valgrind, hyperfine, taskset and GNU time (/usr/bin/time).
set -euo pipefail

grade=${1:-build/default/grade}
[[ -x $grade ]] || { echo "no program at $grade; build it first: cmake --workflow --preset default" >&2; exit 2; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "== shared libraries of $grade"
readelf -d "$grade" | awk '/NEEDED/ { print "   ", $NF }'
if readelf -d "$grade" | grep -q 'libstdc++\|libc++'; then
    echo "    the C++ runtime is loaded at start"
fi

echo "== user-space instructions, valgrind --tool=callgrind, one mark on standard input"
instructions() {
    echo 90 | valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        awk '/Collected :/ { print $NF }'
}
base=$(instructions /bin/true)
ours=$(instructions "$grade")
echo "    /bin/true $base, grade $ours"
awk -v a="$ours" -v b="$base" 'BEGIN { printf "    ratio grade / true: %.3f\n", a / b }'

# Both commands run on the same, last core: a child started on another core than
# its parent makes the figures swing by a tenth from one run to the next.
echo "== wall time, hyperfine -N --warmup 50 --runs 1000 on one core, empty standard input"
taskset -c "$(($(nproc) - 1))" hyperfine -N --warmup 50 --runs 1000 --style none \
    --export-csv "$scratch/times.csv" /bin/true "$grade" >/dev/null 2>&1
awk -F, 'NR > 1 { printf "    %-24s mean %6.1f us, stddev %6.1f us, median %6.1f us\n", $1, $2 * 1e6, $3 * 1e6, $4 * 1e6
                  mean[NR] = $2; median[NR] = $4 }
         END { printf "    ratio grade / true: %.3f on the means, %.3f on the medians\n", mean[3] / mean[2], median[3] / median[2] }' \
    "$scratch/times.csv"

echo "== peak resident size, /usr/bin/time -v"
awk 'BEGIN { for (i = 0; i < 64 * 1024 * 1024 / 8; ++i) printf " \t\n\v\f\r  "; print "95" }' >"$scratch/spaces"
awk 'BEGIN { printf "9"; for (i = 0; i < 8 * 1024 * 1024 / 16; ++i) printf "0123456789012345"; print "" }' >"$scratch/digits"
for input in spaces digits; do
    kib=$(/usr/bin/time -v "$grade" <"$scratch/$input" 2>&1 >/dev/null | awk '/Maximum resident/ { print $NF }')
    printf "    %-7s %4d MiB of input: %5d KiB\n" "$input" $(($(stat -c %s "$scratch/$input") / 1048576)) "$kib"
done
echo "    /bin/true: $(/usr/bin/time -v /bin/true 2>&1 | awk '/Maximum resident/ { print $NF }') KiB"
