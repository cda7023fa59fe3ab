#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Runs the test command (scripts/test.sh) on a Debian release, the way a new
# user of that release would: in a fresh minimal root made with debootstrap,
# as root, without a display, in a clean clone of this tree's HEAD (with
# --archive, in an archive of it without .git, as a release tarball's user
# has it). Needs root on a Debian machine.
#   scripts/test-on.sh [--archive] [--bring-back FOLDER] [--env NAME=VALUE]...
#                      [--file PATH]... trixie [COMMAND [ARGUMENT...]]
# The command runs in the tree with its arguments as given (bash -c '...' for a
# line of shell); without one, bash scripts/test.sh.
# With --bring-back, that folder of the tree inside the root (what the command
# made there) replaces the same folder here once the command has passed.
# --env gives the command a variable; --file shows it a file of this machine
# at the same path, read-only (a signing key, say, that is never copied in).
# The mirror is the one this machine's apt already uses. The base system and
# the downloaded packages are kept in $BANDIT_CACHE (default
# /var/cache/bandit-manchot), outside the tree, so a second run downloads
# neither again; the command finds that cache at the same path and in
# BANDIT_CACHE, for what it keeps there itself. Runs at the same time share it:
# one at a time makes or reads a release's base. Any failure to set up a
# stable release fails the run. The release is named as the mirror names it
# (bookworm, trixie, testing…); testing and unstable, which move every day,
# get a new base each week, and where their archive cannot give what the
# command needs (a transition under way), the run stops with status 75 after
# an ARCHIVE: line (scripts/lib/debian-archives.sh).
set -euo pipefail
from_archive=false
bring_back=""
environment=()
files=()
while [[ ${1:-} == --* ]]; do
    case $1 in
        --archive) from_archive=true; shift ;;
        --bring-back) bring_back=${2:?--bring-back takes a folder}; shift 2 ;;
        --env) environment+=("${2:?--env takes NAME=VALUE}"); shift 2 ;;
        --file) files+=("$(realpath -e -- "${2:?--file takes a path}")"); shift 2 ;;
        *) echo "$0: unknown option $1" >&2; exit 2 ;;
    esac
done
# A folder of the tree, inside it.
[[ -z $bring_back || ( $bring_back != /* && /$bring_back/ != */../* ) ]] \
    || { echo "$0: --bring-back takes a folder of the tree: $bring_back" >&2; exit 2; }
cd "$(dirname "$0")/.."
release=${1:?usage: $0 [--archive] [--bring-back FOLDER] [--env NAME=VALUE]... [--file PATH]... RELEASE [COMMAND [ARGUMENT...]] (for example trixie)}
shift
command=("$@")
[[ ${#command[@]} -gt 0 ]] || command=(bash scripts/test.sh)
cache=${BANDIT_CACHE:-/var/cache/bandit-manchot}
arch=$(dpkg --print-architecture)

[[ $(id -u) -eq 0 ]] || { echo "$0: run it as root (debootstrap and chroot need it)" >&2; exit 1; }

# What the run makes goes with it, however it ends: its scratch files, and its
# root once nothing of the machine is mounted in it any more.
scratch=()
root=""
cleanup() {
    if [[ -n $root ]]; then
        # Whatever still runs inside the root ends with it.
        for link in /proc/[0-9]*/root; do
            [[ $(readlink "$link" 2>/dev/null) == "$root"* ]] || continue
            pid=${link#/proc/}; kill -KILL "${pid%/root}" 2>/dev/null || true
        done
        for file in "${files[@]}"; do umount "$root$file" 2>/dev/null || true; done
        umount -R "$root/proc" "$root/sys" "$root/dev" "$root/var/cache/apt/archives" "$root$cache" \
            2>/dev/null || true
        # Never remove a root that still has the machine's /dev or /sys inside.
        if grep -q " $root/" /proc/self/mounts; then
            echo "$0: $root still has mounts; left in place" >&2
        else
            rm -rf "$root"
        fi
    fi
    rm -rf "${scratch[@]}"
}
trap cleanup EXIT
if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap \
        || { apt-get update -q && DEBIAN_FRONTEND=noninteractive \
             apt-get install -y -q --no-install-recommends debootstrap; }
fi

source scripts/lib/debian-archives.sh
archives=$(debian_archives "$release")
mirror=${archives%% *}
[[ -n $mirror ]] || { echo "$0: no Debian archive in this machine's apt sources" >&2; exit 1; }

# What the mirror says of the release: its codename, for a name such as
# testing that moves from one to the next, and whether it is Debian's testing
# or unstable, which move every day.
release_file=$(mktemp)
scratch+=("$release_file")
fetch_release "$mirror" "$release" "$release_file" \
    || { echo "$0: $mirror has no release $release" >&2; exit 1; }
codename=$(sed -n 's/^Codename: //p' "$release_file")
suite=$(sed -n 's/^Suite: //p' "$release_file")
moving=false
[[ $suite != testing && $suite != unstable ]] || moving=true
[[ $release == "$codename" ]] || echo "== $release is $codename"
release=$codename
# Its archives that the mirror has: unstable has no -updates or -security.
archives=$(debian_archives "$release" | while read -r uri name; do
    ! fetch_release "$uri" "$name" "$release_file" || echo "$uri $name"
done)

mkdir -p "$cache/apt-$release"
base="$cache/$release-$arch-minbase.tar"
# Another run that makes the same base meanwhile waits, then finds it whole;
# it is written beside, then renamed, so that it is never seen half-written.
exec {base_lock}>"$base.lock"
flock "$base_lock"
# A moving release's base is made again once a week, so that its roots do
# not start further and further from the archive.
! $moving || [[ -z $(find "$base" -mtime +6 2>/dev/null) ]] || rm -f "$base"
if [[ ! -s $base ]]; then
    # debootstrap knows the releases named up to its own; a later one (the
    # next testing, made from a Debian 12 machine) is made as unstable is.
    script=()
    [[ -e /usr/share/debootstrap/scripts/$release ]] || script=(/usr/share/debootstrap/scripts/sid)
    staging=$(mktemp -d /var/tmp/debootstrap-"$release".XXXXXX)
    partial=$(mktemp "$base.XXXXXX")
    scratch+=("$staging" "$partial")
    echo "== making a minimal $release root from $mirror"
    if ! debootstrap --variant=minbase --arch="$arch" "$release" "$staging" "$mirror" "${script[@]}"; then
        $moving || exit 1
        echo "ARCHIVE: $release's archive cannot make a minimal root now; debootstrap says:" >&2
        grep -E '^(E|W): ' "$staging/debootstrap/debootstrap.log" 2>/dev/null | tail -n 20 \
            | sed 's/^/    /' >&2
        exit "$ARCHIVE_FAULT"
    fi
    tar -C "$staging" -cf "$partial" .
    chmod 0644 "$partial"
    mv "$partial" "$base"
    rm -rf "$staging"
fi

root=$(mktemp -d /var/tmp/bandit-"$release".XXXXXX)
tar -C "$root" -xf "$base"
exec {base_lock}>&-
# mktemp made the root for its owner alone; a system's / is everyone's.
chmod 0755 "$root"

sed 's/^/deb /; s/$/ main/' <<<"$archives" >"$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
# The authorities this machine adds to Debian's trusts (a proxy's, say) are
# trusted in the root too, once ca-certificates is installed there: it
# reaches the network as the machine does.
if compgen -G '/usr/local/share/ca-certificates/*.crt' >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
fi
# Packages downloaded once stay for the next run.
rm -f "$root/etc/apt/apt.conf.d/docker-clean"
# The cache belongs to the machine's root, so apt downloads as root.
printf '%s\n' 'Binary::apt::APT::Keep-Downloaded-Packages "true";' 'APT::Sandbox::User "root";' \
    >"$root/etc/apt/apt.conf.d/50keep"
# The root is thrown away after the command: dpkg need not wait for each file
# it unpacks to reach the disk, as on Debian's build daemons.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/unsafe-io"
# A mirror's copy of a moving release can outlive the date its Release file
# vouches for ("is expired"): a root of theirs, thrown away after the run,
# takes such indexes, and apt_update names each expired one. A stable
# release's never are.
if $moving; then
    echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/50moving-release"
fi

mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
mount --bind "$cache/apt-$release" "$root/var/cache/apt/archives"
mkdir -p "$root/var/cache/apt/archives/partial"
mkdir -p "$root$cache"
mount --bind "$cache" "$root$cache"
if $from_archive; then
    mkdir "$root/root/bandit-manchot"
    git archive HEAD | tar -x -C "$root/root/bandit-manchot"
else
    git clone -q --no-hardlinks "$PWD" "$root/root/bandit-manchot"
fi
for file in "${files[@]}"; do
    mkdir -p "$root$(dirname "$file")"
    touch "$root$file"
    mount --bind -o ro "$file" "$root$file"
done

echo "== $release: ${command[*]}"
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb CI="${CI:-}" BANDIT_CACHE="$cache" \
    "${environment[@]}" bash -c 'cd /root/bandit-manchot && exec "$@"' test-on "${command[@]}"
if [[ -n $bring_back ]]; then
    # Copied beside it first, so that a failed copy leaves the old folder.
    rm -rf "$bring_back.brought"
    cp -a "$root/root/bandit-manchot/$bring_back" "$bring_back.brought"
    rm -rf "$bring_back"
    mv "$bring_back.brought" "$bring_back"
fi
echo "== $release: passed"
