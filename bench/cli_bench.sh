#!/usr/bin/env bash
# tarvendi-cli renaming a large folder, beside the bare loop of renameat2 calls that the same
# renames need at the least on one thread, and beside the renamers people already use (mmv, Perl
# rename, a Python loop). Every file "track N.mp3" becomes "f-N.mp3", numbered from 1 in name
# order. Each run gets a freshly made folder; three rounds, the tools taking turns to go first,
# and the quickest run of each counts, so that other load on the machine weighs on all of them
# alike.
#   bench/cli_bench.sh BUILD_DIR [BASE=/dev/shm] [COUNT=100000]
set -euo pipefail

build="$(cd "${1:?usage: cli_bench.sh BUILD_DIR [BASE] [COUNT]}" && pwd)"
base="${2:-/dev/shm}"
count="${3:-100000}"
rounds=3
if ((count < 1 || count > 999999)); then
    echo "COUNT must be between 1 and 999999 (the names carry six digits)" >&2
    exit 2
fi

cli="$build/src/cli/tarvendi-cli"
bare="$build/bench/bare_rename"
if [[ ! -x $cli ]]; then
    echo "no $cli: build the tarvendi-cli target first" >&2
    exit 1
fi
[[ -x $bare ]] || cmake --build "$build" --target bare_rename >/dev/null

work="$(mktemp -d "$base/tarvendi-cli-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT
folder="$work/folder"

# Everything a tool is handed is made here, before any timing: the old names, the renames as
# "old<TAB>new" lines, and the names the folder must hold afterwards (sorted, to compare).
seq -f '%06g' 1 "$count" >"$work/numbers"
sed 's/.*/track &.mp3/' "$work/numbers" >"$work/old"
sed 's/.*/track &.mp3\tf-&.mp3/' "$work/numbers" >"$work/renames"
sed 's/.*/f-&.mp3/' "$work/numbers" >"$work/expected"
tr '\n' '\0' <"$work/old" >"$work/old0"

fresh_folder() {
    rm -rf "$folder"
    mkdir "$folder"
    (cd "$folder" && xargs -d '\n' touch <"$work/old")
    sync -f "$folder"
}

# The pyenv shim in front of python3 would add its own start-up to the Python figure.
python=""
if command -v python3 >/dev/null; then
    python="$(python3 -c 'import sys; print(sys.executable)')"
fi
perl_rename=""
if command -v file-rename >/dev/null; then
    perl_rename="file-rename"
elif command -v rename >/dev/null && rename -V 2>&1 | grep -q 'File::Rename'; then
    perl_rename="rename"
fi

run_tool() {
    case "$1" in
    tarvendi-cli)
        # A journal of its own, so the user's undo history is left alone.
        rm -rf "$work/state" && mkdir "$work/state"
        XDG_STATE_HOME="$work/state" "$cli" wildcard --template 'f-######' --start 1 \
            --execute --dir "$folder" >/dev/null ;;
    bare) "$bare" "$folder" "$work/renames" ;;
    mmv) (cd "$folder" && mmv -r 'track *.mp3' 'f-#1.mp3' </dev/null) ;;
    rename)
        # shellcheck disable=SC2016 # $1 is Perl's, not the shell's
        (cd "$folder" && "$perl_rename" -0 's/^track (\d{6})\.mp3$/f-$1.mp3/' <"$work/old0") ;;
    python)
        # What a user would write for the same job: list the folder, number the names in order.
        "$python" -c '
import os, sys
os.chdir(sys.argv[1])
for number, old in enumerate(sorted(os.listdir(".")), 1):
    os.rename(old, "f-%06d.mp3" % number)
' "$folder" ;;
    esac
}

tools=(tarvendi-cli bare)
command -v mmv >/dev/null && tools+=(mmv) || echo "mmv: not installed, skipped"
[[ -n $perl_rename ]] && tools+=(rename) || echo "Perl rename: not installed, skipped"
[[ -n $python ]] && tools+=(python) || echo "python3: not installed, skipped"

declare -A best=() failed=()
for ((round = 0; round < rounds; ++round)); do
    n=${#tools[@]}
    for ((i = 0; i < n; ++i)); do
        tool="${tools[(i + round) % n]}"
        [[ -n ${failed[$tool]:-} ]] && continue
        fresh_folder
        start=$EPOCHREALTIME
        if ! run_tool "$tool" >"$work/output" 2>&1; then
            failed[$tool]="exited with an error: $(head -c 300 "$work/output")"
            continue
        fi
        end=$EPOCHREALTIME
        # Every expected name and nothing else: a tool that skipped or misnamed a file fails.
        if ! find "$folder" -mindepth 1 -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort |
            cmp -s - "$work/expected"; then
            failed[$tool]="the folder does not hold exactly f-000001.mp3 .. f-$(printf %06d "$count").mp3"
            continue
        fi
        took=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
        if [[ -z ${best[$tool]:-} ]] || awk -v t="$took" -v b="${best[$tool]}" 'BEGIN { exit !(t < b) }'; then
            best[$tool]=$took
        fi
    done
done
rm -rf "$folder"

echo
echo "$count renames on $(df --output=fstype "$work" | tail -1), best of $rounds runs"
printf '%-14s %9s %9s\n' tool seconds "x bare"
for tool in "${tools[@]}"; do
    if [[ -n ${failed[$tool]:-} ]]; then
        printf '%-14s FAILED: %s\n' "$tool" "${failed[$tool]}"
    elif [[ -n ${best[bare]:-} ]]; then
        printf '%-14s %9s %9s\n' "$tool" "${best[$tool]}" \
            "$(awk -v t="${best[$tool]}" -v b="${best[bare]}" 'BEGIN { printf "%.2f", t / b }')"
    else
        printf '%-14s %9s %9s\n' "$tool" "${best[$tool]}" -
    fi
done
echo "target: tarvendi-cli <= 1.10x bare, faster than each tool"

if ((${#failed[@]})); then
    exit 1
fi
met=yes
awk -v t="${best[tarvendi-cli]}" -v b="${best[bare]}" 'BEGIN { exit !(t <= 1.10 * b) }' || met=no
for tool in "${tools[@]}"; do
    [[ $tool == tarvendi-cli || $tool == bare ]] && continue
    awk -v t="${best[tarvendi-cli]}" -v o="${best[$tool]}" 'BEGIN { exit !(t < o) }' || met=no
done
echo "met: $met"
