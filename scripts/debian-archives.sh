# Sourced by the scripts that reach Debian's archives from a root or an apt
# configuration of their own, so that they all take this machine's mirror.
# debian_archives RELEASE prints one "URI SUITE" a line: RELEASE and its
# -updates from the first Debian archive this machine's apt reads, and its
# -security from the first security archive.
debian_archives() {
    apt-get indextargets --format '$(LABEL) $(REPO_URI)' | awk -v release="$1" '
        $1 == "Debian" && !debian++ { print $2, release; print $2, release "-updates" }
        $1 == "Debian-Security" && !security++ { print $2, release "-security" }'
}
