#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Validates the release's winget manifests offline, as winget's community
repository would take them: each file against its JSON schema of manifest
1.12.0 (copied from winget's own repository, in packaging/windows/), the four
kinds present once, for one package and version, and each installer's
SHA-256 that of the file its address names, among the given ones.

    check-winget.py FOLDER FILE...
"""

import glob
import hashlib
import json
import os
import sys

import jsonschema
import yaml

SCHEMAS = os.path.join(os.path.dirname(__file__), "..", "..", "packaging", "windows",
                       "winget-schemas")


class Loader(yaml.SafeLoader):
    """YAML as winget reads it: a date stays the string it is written as."""


Loader.yaml_implicit_resolvers = {
    first: [(tag, pattern) for tag, pattern in resolvers if tag != "tag:yaml.org,2002:timestamp"]
    for first, resolvers in yaml.SafeLoader.yaml_implicit_resolvers.items()}


def main(folder, *files):
    hashes = {}
    for path in files:
        with open(path, "rb") as file:
            hashes[os.path.basename(path)] = hashlib.sha256(file.read()).hexdigest().upper()
    problems, kinds = [], {}
    for path in sorted(glob.glob(os.path.join(folder, "*.yaml"))):
        with open(path, encoding="utf-8") as file:
            manifest = yaml.load(file, Loader=Loader)
        kind = manifest.get("ManifestType", "?")
        kinds.setdefault(kind, []).append(manifest)
        schema_path = os.path.join(SCHEMAS, "manifest.%s.%s.json"
                                   % (kind, manifest.get("ManifestVersion")))
        if not os.path.isfile(schema_path):
            problems.append("%s: no schema %s" % (path, os.path.basename(schema_path)))
            continue
        with open(schema_path, encoding="utf-8") as file:
            schema = json.load(file)
        validator = jsonschema.Draft7Validator(schema, format_checker=jsonschema.FormatChecker())
        errors = ["%s: %s: %s" % (os.path.basename(path), "/".join(map(str, error.path)),
                                  error.message) for error in validator.iter_errors(manifest)]
        problems += errors
        if not errors:
            print("valid: %s against %s" % (os.path.basename(path),
                                            os.path.basename(schema_path)))
        for installer in manifest.get("Installers", []):
            name = installer["InstallerUrl"].rsplit("/", 1)[-1]
            if hashes.get(name) != installer["InstallerSha256"]:
                problems.append("%s: the SHA-256 of %s is not %s's"
                                % (os.path.basename(path), name, name))
    if sorted(kinds) != ["defaultLocale", "installer", "locale", "version"] \
            or any(len(manifests) != 1 for manifests in kinds.values()):
        problems.append("the manifests are not one of each kind: %s" % sorted(kinds))
    packages = {(manifest["PackageIdentifier"], manifest["PackageVersion"])
                for manifests in kinds.values() for manifest in manifests}
    if len(packages) != 1:
        problems.append("the manifests name several packages: %s" % sorted(packages))
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
