#!/usr/bin/env bash
# What one run of grade costs next to /bin/true, and its peak memory on huge input.
# Usage: bench/startup.sh [path/to/grade]   (default: the release build, build/default/grade)
# Needs valgrind, hyperfine and GNU time (/usr/bin/time).
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

# The machine's own load drifts over the second each command's runs take, so
# the side-by-side run is made three times, in turns with either command first,
# and the median of the three ratios is the figure.
echo "== wall time, hyperfine -N --warmup 50 --runs 1000, empty standard input, three rounds"
ratios=()
for round in 1 2 3; do
    commands=(/bin/true "$grade")
    ((round % 2 == 0)) && commands=("$grade" /bin/true)
    hyperfine -N --warmup 50 --runs 1000 --style none --export-csv "$scratch/times.csv" "${commands[@]}" >/dev/null 2>&1
    ratio=$(awk -F, -v grade="$grade" 'NR > 1 { if ($1 == grade) { g = $2; gm = $4 } else { t = $2; tm = $4 } }
        END { printf "%.3f %.3f %.1f %.1f", g / t, gm / tm, t * 1e6, g * 1e6 }' "$scratch/times.csv")
    read -r on_means on_medians true_us grade_us <<<"$ratio"
    echo "    round $round: mean /bin/true $true_us us, grade $grade_us us; ratio $on_means on the means, $on_medians on the medians"
    ratios+=("$on_means")
done
printf '%s\n' "${ratios[@]}" | sort -n | sed -n 2p | xargs printf "    ratio grade / true, median of the rounds' mean ratios: %s\n"

echo "== peak resident size, /usr/bin/time -v"
awk 'BEGIN { for (i = 0; i < 64 * 1024 * 1024 / 8; ++i) printf " \t\n\v\f\r  "; print "95" }' >"$scratch/spaces"
awk 'BEGIN { printf "9"; for (i = 0; i < 8 * 1024 * 1024 / 16; ++i) printf "0123456789012345"; print "" }' >"$scratch/digits"
for input in spaces digits; do
    kib=$(/usr/bin/time -v "$grade" <"$scratch/$input" 2>&1 >/dev/null | awk '/Maximum resident/ { print $NF }')
    printf "    %-7s %4d MiB of input: %5d KiB\n" "$input" $(($(stat -c %s "$scratch/$input") / 1048576)) "$kib"
done
echo "    /bin/true: $(/usr/bin/time -v /bin/true 2>&1 | awk '/Maximum resident/ { print $NF }') KiB"
