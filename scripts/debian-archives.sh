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
        apt-get update -q && return 0
        [[ $attempt -eq 3 ]] || sleep 20
    done
    echo "apt-get update failed three times; going on with the lists it has" >&2
}
