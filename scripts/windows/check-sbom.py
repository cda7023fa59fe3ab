#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT
"""Checks the bill of materials of the Windows release against the zip: it
is valid SPDX 2.3 (pyspdxtools); every file of the zip but the bill itself is
listed once with its SHA-256 and tied to a package, and nothing else is; and
LICENCES-TIERS.txt names the same third-party files, Qt's Debian version and
GCC's major version that the bill does. Names each disagreement.

    check-sbom.py BILL ZIP"""
import hashlib
import json
import re
import subprocess
import sys
import zipfile


def main(bill_path, zip_path):
    validation = subprocess.run(["pyspdxtools", "-i", bill_path], capture_output=True, text=True)
    faults = [f"pyspdxtools: {line}" for line in (validation.stdout + validation.stderr).splitlines()
              if validation.returncode != 0 and line.strip()]
    if validation.returncode != 0 and not faults:
        faults.append(f"pyspdxtools failed with status {validation.returncode}")
    bill = json.load(open(bill_path, encoding="utf-8"))

    with zipfile.ZipFile(zip_path) as archive:
        shipped = {}
        for info in archive.infolist():
            if not info.is_dir():
                name = info.filename.split("/", 1)[1]
                shipped[name] = hashlib.sha256(archive.read(info)).hexdigest()
        bill_in_zip = [n for n in shipped if n.endswith(".spdx.json")]
        tiers = next(archive.read(n).decode("utf-8") for n in archive.namelist()
                     if n.endswith("licences/LICENCES-TIERS.txt"))
    for name in bill_in_zip:
        del shipped[name]

    listed = {}
    for entry in bill["files"]:
        name = entry["fileName"].removeprefix("./")
        if name in listed:
            faults.append(f"{name} is listed twice")
        listed[name] = next(c["checksumValue"] for c in entry["checksums"] if c["algorithm"] == "SHA256")
    for name in sorted(shipped.keys() - listed.keys()):
        faults.append(f"{name} is in the zip but not in the bill")
    for name in sorted(listed.keys() - shipped.keys()):
        faults.append(f"{name} is in the bill but not in the zip")
    for name in sorted(shipped.keys() & listed.keys()):
        if shipped[name] != listed[name]:
            faults.append(f"{name}: the bill's SHA-256 is not the zip's")

    packages = {p["SPDXID"]: p for p in bill["packages"]}
    contained = {r["relatedSpdxElement"]: r["spdxElementId"] for r in bill["relationships"]
                 if r["relationshipType"] == "CONTAINS"}
    owner = {}
    for entry in bill["files"]:
        package = packages.get(contained.get(entry["SPDXID"]))
        if package is None:
            faults.append(f"{entry['fileName']} belongs to no package")
        else:
            owner[entry["fileName"].removeprefix("./")] = package

    # The third-party binaries LICENCES-TIERS.txt names, as the zip names them.
    named = set()
    for files in re.findall(r"Fichiers : (.*?)\.\n", tiers, re.S):
        named |= {n.strip().replace("\\", "/") for n in re.sub(r"\([^)]*\)", "", files).split(",")}
    third_party = {n for n, p in owner.items()
                   if n.endswith(".dll") and p["primaryPackagePurpose"] != "APPLICATION"}
    for name in sorted(third_party - named):
        faults.append(f"{name} is in the bill but LICENCES-TIERS.txt does not name it")
    for name in sorted(named - third_party):
        faults.append(f"LICENCES-TIERS.txt names {name}, which the bill does not list")
    qt = next((p for p in packages.values() if p["name"] == "qt6-base"), {"versionInfo": "?"})
    if f"qt6-base={qt['versionInfo']}\n" not in tiers:
        faults.append(f"LICENCES-TIERS.txt does not name Qt's Debian version {qt['versionInfo']}")
    gcc = next((p for p in packages.values() if p["name"] == "libstdc++"), {"versionInfo": "?"})
    if f"(GCC {gcc['versionInfo'].split('.')[0]})" not in tiers:
        faults.append(f"LICENCES-TIERS.txt does not name the GCC of libstdc++ {gcc['versionInfo']}")

    for fault in faults:
        print(f"check-sbom: {fault}", file=sys.stderr)
    if faults:
        return 1
    print(f"check-sbom: valid SPDX 2.3; {len(packages)} packages, {len(listed)} files,"
          " each with the zip's hash; LICENCES-TIERS.txt agrees")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
