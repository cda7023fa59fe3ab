# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

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

# fetch_release URI SUITE FILE: the suite's Release file, into FILE; fails
# where the archive has no such suite.
fetch_release() {
    /usr/lib/apt/apt-helper -o APT::Sandbox::User=root download-file \
        "${1%/}/dists/$2/Release" "$3" >/dev/null 2>&1
}

# The status of a script stopped because a moving release's archive could
# not give what it needs: a package missing or uninstallable while a
# transition is under way, an index that cannot be fetched. CI reports it
# and goes on; a failure of anything else is the program's.
ARCHIVE_FAULT=75

# Debian's testing and unstable, which move every day, carry no version.
moving_release() {
    ! grep -q '^VERSION_ID=' /etc/os-release
}

# apt_get ARGUMENT...: apt-get, whose failure on a moving release stops the
# script with ARCHIVE_FAULT, after naming the packages and apt's reasons.
apt_get() {
    local output status=0
    # apt's lines go by as it writes them, and are kept for its reasons; in
    # memory, so that nothing is left behind however the caller stops.
    { output=$(apt-get "$@" 2>&1 | while IFS= read -r line || [[ -n $line ]]; do
                   printf '%s\n' "$line" >&3
                   printf '%s\n' "$line"
               done; exit "${PIPESTATUS[0]}") || status=$?; } 3>&1
    if [[ $status -ne 0 ]] && moving_release; then
        echo "ARCHIVE: $(. /etc/os-release && echo "$PRETTY_NAME")'s archive cannot give" \
             "what 'apt-get $*' asks for now; apt says:" >&2
        grep -E '^(E: |W: |Err:| .*(Depends|Breaks|Conflicts): )' <<<"$output" \
            | sed 's/^/    /' >&2 || true
        status=$ARCHIVE_FAULT
    fi
    return "$status"
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

# True where apt is told to take indexes past their Valid-Until date: in a
# root of Debian's testing or unstable that test-on.sh made.
apt_takes_expired_lists() {
    local check
    eval "$(apt-config shell check Acquire::Check-Valid-Until)"
    [[ ${check:-true} == false ]]
}

# Where apt takes indexes past their date, says which ones are.
report_expired_lists() {
    local list valid_until now
    apt_takes_expired_lists || return 0
    now=$(date +%s)
    for list in /var/lib/apt/lists/*Release; do
        [[ -e $list ]] || continue
        valid_until=$(sed -n 's/^Valid-Until: //p' "$list" | head -n 1)
        [[ -n $valid_until && $(date -d "$valid_until" +%s) -lt $now ]] || continue
        echo "note: ${list##*/} expired on $valid_until; apt takes it, as this root of" \
             "a moving release allows" >&2
    done
}
