# Sourced by the scripts that reach Debian's archives: from a root or an apt
# configuration of their own, they all take this machine's mirror, and they
# all update apt's lists the same patient way.
# debian_archives RELEASE prints one "URI SUITE" a line: RELEASE and its
# -updates from the first Debian archive this machine's apt reads, and its
# -security from the first security archive.
debian_archives() {
    apt-get indextargets --format '$(LABEL) $(REPO_URI)' | awk -v release="$1" '
        $1 == "Debian" && !debian++ { print $2, release; print $2, release "-updates" }
        $1 == "Debian-Security" && !security++ { print $2, release "-security" }'
}

# apt-get update, tried again a little later when it fails: a mirror in the
# middle of its sync serves indexes that disagree with its Release file for a
# while ("File has unexpected size"). Should that last, apt keeps the lists
# it could fetch, and whatever is then installed from them says plainly if a
# package cannot be had.
apt_update() {
    local attempt
    for attempt in 1 2 3; do
        apt-get update -q && { report_expired_lists; return 0; }
        [[ $attempt -eq 3 ]] || sleep 20
    done
    echo "apt-get update failed three times; going on with the lists it has" >&2
    report_expired_lists
}

# Where apt is told to take indexes past their Valid-Until date (a root of
# Debian's testing, which test-on.sh makes), says which ones are.
report_expired_lists() {
    local list valid_until now check
    eval "$(apt-config shell check Acquire::Check-Valid-Until)"
    [[ ${check:-true} == false ]] || return 0
    now=$(date +%s)
    for list in /var/lib/apt/lists/*Release; do
        [[ -e $list ]] || continue
        valid_until=$(sed -n 's/^Valid-Until: //p' "$list" | head -n 1)
        [[ -n $valid_until && $(date -d "$valid_until" +%s) -lt $now ]] || continue
        echo "note: ${list##*/} expired on $valid_until; apt takes it, as this root of" \
             "a moving release allows" >&2
    done
}
