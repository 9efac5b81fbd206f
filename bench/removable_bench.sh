#!/usr/bin/env bash
# tarvendi-cli renaming a folder on the media of cameras and music players, exFAT and FAT, as
# Linux mounts them where it has no kernel driver for them: through FUSE (exfat-fuse, fusefat).
# These refuse renameat2(RENAME_NOREPLACE) and hard links, so tarvendi-cli reserves each new name
# with an empty file and renames onto it. Beside it runs `bare_rename --plain`, one rename() per
# file: the least any renamer must do there, though it would replace a file that already has the
# new name, which tarvendi-cli must not. Every file "track N.mp3" becomes "f-N.mp3", numbered
# from 1 in name order.
#
# The images lie in /dev/shm, so that the FUSE path is measured rather than a USB stick. The
# files are made once, into a model image; every run gets a fresh copy of it, mounted anew, whose
# folder is listed once before the clock starts (exfat-fuse reads a folder in at its first use,
# and both tools would pay that alike). Three rounds, the tools taking turns to go first; the
# quickest run of each counts. After each run the folder must hold exactly the expected names,
# and fsck must find the image sound.
#
# fusefat takes longer to make each file the fuller the folder is, far beyond linearly (making 300
# "track N.mp3" took 9 s, 1000 took 5 minutes), so its folder holds FAT_COUNT files, fewer than
# COUNT.
#   bench/removable_bench.sh BUILD_DIR [COUNT=10000] [FAT_COUNT=300]
# Needs root, for the loop devices and the mounts.
set -euo pipefail

usage="usage: removable_bench.sh BUILD_DIR [COUNT=10000] [FAT_COUNT=300]"
build="$(cd "${1:?$usage}" && pwd)"
count="${2:-10000}"
fat_count="${3:-300}"
rounds=3
if ((EUID != 0)); then
    echo "removable_bench.sh needs root: it attaches loop devices and mounts FUSE file systems" >&2
    exit 1
fi
if ((count < 1 || count > 999999)); then
    echo "COUNT must be between 1 and 999999 (the names carry six digits)" >&2
    exit 2
fi
# A FAT folder holds at most 65,536 entries; a name of 16 letters takes three.
if ((fat_count > count)); then
    fat_count=$count
fi
if ((fat_count < 0 || fat_count > 20000)); then
    echo "FAT_COUNT must be between 0 (no FAT run) and 20000 (a FAT folder's room)" >&2
    exit 2
fi

cli="$build/src/cli/tarvendi-cli"
bare="$build/bench/bare_rename"
if [[ ! -x $cli ]]; then
    echo "no $cli: build the tarvendi-cli target first" >&2
    exit 1
fi
# Built every time: a bare_rename from before --plain would only print its usage.
cmake --build "$build" --target bare_rename >/dev/null

missing=()
for tool in losetup mountpoint fusermount mkfs.exfat mount.exfat-fuse fsck.exfat; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if ((${#missing[@]})) || [[ ! -c /dev/fuse ]]; then
    echo "needs /dev/fuse and ${missing[*]:-}: install exfat-fuse and exfatprogs" >&2
    exit 1
fi
systems=(exfat)
if ((fat_count == 0)); then
    echo "FAT: FAT_COUNT is 0, skipped"
elif command -v fusefat >/dev/null && command -v mkfs.vfat >/dev/null &&
    command -v fsck.vfat >/dev/null; then
    systems+=(fat)
else
    echo "FAT: fusefat or dosfstools not installed, skipped"
fi

base=/dev/shm
[[ -d $base && -w $base ]] || base="${TMPDIR:-/tmp}"
work="$(mktemp -d "$base/tarvendi-removable-bench.XXXXXX")"
mnt="$work/mnt"
mkdir "$mnt"
log="$work/fuse.log"

# What is mounted now, for unmount and for the clean-up on exit.
mounted_loop="" # the loop device under an exFAT mount
mounted_pid=""  # the fusefat process, run in the foreground so that its end can be awaited

unmount() {
    if mountpoint -q "$mnt"; then
        local tries=0
        until fusermount -u "$mnt" 2>/dev/null; do
            if ((++tries == 20)); then
                fusermount -u -z "$mnt" || true
                break
            fi
            sleep 0.5
        done
    fi
    if [[ -n $mounted_loop ]]; then
        # Detached once exfat-fuse has closed it; the image is whole only after that.
        local image
        image="$(losetup -n -O BACK-FILE "$mounted_loop" 2>/dev/null || true)"
        losetup -d "$mounted_loop" 2>/dev/null || true
        local tries=0
        while [[ -n $image && -n "$(losetup -n -j "$image" 2>/dev/null)" ]] &&
            ((++tries < 100)); do
            sleep 0.1
        done
        mounted_loop=""
    fi
    if [[ -n $mounted_pid ]]; then
        wait "$mounted_pid" 2>/dev/null || true
        mounted_pid=""
    fi
}

cleanup() {
    local status=$?
    set +e
    unmount
    if mountpoint -q "$mnt"; then
        echo "could not unmount $mnt; $work is left as it is" >&2
    else
        rm -rf "$work"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

mount_image() { # FS IMAGE
    case "$1" in
    exfat)
        mounted_loop="$(losetup -f --show "$2")"
        mount.exfat-fuse "$mounted_loop" "$mnt" >>"$log" 2>&1
        ;;
    fat)
        fusefat -f -o rw+ "$2" "$mnt" >>"$log" 2>&1 &
        mounted_pid=$!
        local tries=0
        until mountpoint -q "$mnt"; do
            if ! kill -0 "$mounted_pid" 2>/dev/null || ((++tries == 100)); then
                echo "fusefat did not mount $2: $(tail -3 "$log")" >&2
                return 1
            fi
            sleep 0.1
        done
        ;;
    esac
}

check_image() { # FS IMAGE
    case "$1" in
    exfat) fsck.exfat -n "$2" ;;
    fat) fsck.vfat -n "$2" ;;
    esac
}

make_model() { # FS NUMBER
    local image="$work/$1-model.img"
    truncate -s 256M "$image"
    case "$1" in
    exfat) mkfs.exfat "$image" >/dev/null ;;
    fat) mkfs.vfat "$image" >/dev/null ;;
    esac
    mount_image "$1" "$image"
    mkdir "$mnt/music"
    (cd "$mnt/music" && xargs -d '\n' touch <"$work/$2/old")
    unmount
    check_image "$1" "$image" >"$work/fsck.out" 2>&1 || {
        echo "the model $1 image is not sound: $(tail -3 "$work/fsck.out")" >&2
        return 1
    }
}

# Everything a tool is handed is made here, before any timing: the old names, the renames as
# "old<TAB>new" lines, and the names the folder must hold afterwards (sorted, to compare).
lists() { # NUMBER
    local dir="$work/$1"
    [[ -d $dir ]] && return
    mkdir "$dir"
    seq -f '%06g' 1 "$1" >"$dir/numbers"
    sed 's/.*/track &.mp3/' "$dir/numbers" >"$dir/old"
    sed 's/.*/track &.mp3\tf-&.mp3/' "$dir/numbers" >"$dir/renames"
    sed 's/.*/f-&.mp3/' "$dir/numbers" >"$dir/expected"
}

run_tool() { # TOOL FOLDER NUMBER
    case "$1" in
    tarvendi-cli)
        # A journal of its own, so the user's undo history is left alone.
        rm -rf "$work/state" && mkdir "$work/state"
        XDG_STATE_HOME="$work/state" "$cli" wildcard --template 'f-######' --start 1 \
            --execute --dir "$2" >/dev/null
        ;;
    bare) "$bare" --plain "$2" "$work/$3/renames" ;;
    esac
}

tools=(tarvendi-cli bare)
declare -A best=() failed=() number=()
number[exfat]=$count
number[fat]=$fat_count

for fs in "${systems[@]}"; do
    n=${number[$fs]}
    lists "$n"
    echo "$fs: making the model image with $n files"
    make_model "$fs" "$n"
    for ((round = 0; round < rounds; ++round)); do
        for ((i = 0; i < ${#tools[@]}; ++i)); do
            tool="${tools[(i + round) % ${#tools[@]}]}"
            key="$fs/$tool"
            [[ -n ${failed[$key]:-} ]] && continue
            image="$work/run.img"
            cp --sparse=always "$work/$fs-model.img" "$image"
            mount_image "$fs" "$image"
            folder="$mnt/music"
            ls -f "$folder" >/dev/null
            start=$EPOCHREALTIME
            status=0
            run_tool "$tool" "$folder" "$n" >"$work/output" 2>&1 || status=$?
            end=$EPOCHREALTIME
            took=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
            problem=""
            if ((status != 0)); then
                problem="exited with $status: $(head -c 300 "$work/output")"
            # Every expected name and nothing else: a file skipped, misnamed, lost or left behind
            # (a placeholder) fails the run.
            elif ! find "$folder" -mindepth 1 -maxdepth 1 -printf '%f\n' | LC_ALL=C sort |
                cmp -s - "$work/$n/expected"; then
                problem="the folder does not hold exactly f-000001.mp3 .. f-$(printf %06d "$n").mp3"
            fi
            unmount
            if [[ -z $problem ]] && ! check_image "$fs" "$image" >"$work/fsck.out" 2>&1; then
                problem="fsck finds the image unsound: $(tail -3 "$work/fsck.out" | tr '\n' ' ')"
            fi
            if [[ -n $problem ]]; then
                kept="$base/tarvendi-removable-failed-$fs-$tool-$((round + 1)).img"
                mv "$image" "$kept"
                failed[$key]="$problem (image kept: $kept)"
                echo "$fs round $((round + 1)): $tool FAILED after $took s"
                continue
            fi
            rm -f "$image"
            echo "$fs round $((round + 1)): $tool $took s"
            if [[ -z ${best[$key]:-} ]] ||
                awk -v t="$took" -v b="${best[$key]}" 'BEGIN { exit !(t < b) }'; then
                best[$key]=$took
            fi
        done
    done
done

for fs in "${systems[@]}"; do
    case "$fs" in
    exfat) name="exFAT (exfat-fuse)" ;;
    fat) name="FAT (fusefat)" ;;
    esac
    echo
    echo "$name, ${number[$fs]} renames, best of $rounds runs"
    printf '%-14s %9s %9s\n' tool seconds "x bare"
    for tool in "${tools[@]}"; do
        key="$fs/$tool"
        label=$tool
        [[ $tool == bare ]] && label="bare --plain"
        if [[ -n ${failed[$key]:-} ]]; then
            printf '%-14s FAILED: %s\n' "$label" "${failed[$key]}"
        elif [[ -n ${best[$fs/bare]:-} ]]; then
            ratio=$(awk -v t="${best[$key]}" -v b="${best[$fs/bare]}" \
                'BEGIN { printf "%.2f", t / b }')
            printf '%-14s %9s %9s\n' "$label" "${best[$key]}" "$ratio"
        else
            printf '%-14s %9s %9s\n' "$label" "${best[$key]}" -
        fi
    done
done

if ((${#failed[@]})); then
    exit 1
fi
