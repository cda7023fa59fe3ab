#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Fails when a file of the tree does not say under which licence and whose
# copyright it is (the REUSE rules: a header, or .reuse/dep5 for data), or
# names a licence that LICENSES/ does not hold. reuse reads .gitignore only
# through git: in a tree without .git (a release's source archive) or where
# git is not installed, what .gitignore names is left out by copying the rest.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -e .git ]] && command -v git >/dev/null; then
    reuse lint --quiet 2>/dev/null || { reuse lint | tail -n 30 >&2; exit 1; }
else
    copy=$(mktemp -d)
    trap 'rm -rf "$copy" "$copy.ignored"' EXIT
    # .gitignore's patterns, as tar reads them.
    sed -n '/^[^#]/{s|^/|./|; s|/$||; p}' .gitignore >"$copy.ignored"
    tar --exclude=./.git --exclude-from="$copy.ignored" -cf - . | tar -x -C "$copy"
    (cd "$copy" && { reuse lint --quiet 2>/dev/null || { reuse lint | tail -n 30 >&2; exit 1; }; })
fi
echo "licences: every file declares its licence and copyright"
