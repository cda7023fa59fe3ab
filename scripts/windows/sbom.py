#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT
"""Writes the bill of materials of the Windows release (SPDX 2.3, JSON): the
program; Qt, as the Debian source package it was built from, with the parts
and the third-party code that Qt's own build lists for the modules and plugins
shipped; MinGW-w64's runtime, as the Debian packages that hold it; and every
file of the installed folder with its hashes, tied to its package.

    sbom.py STAGE QT_PREFIX COMPILER NAME VERSION PUBLISHER OUTPUT

STAGE is the installed folder, QT_PREFIX the Qt for Windows it was built
with, COMPILER the MinGW-w64 C++ compiler. Nothing in it changes between two
builds of one commit: its time is SOURCE_DATE_EPOCH, its namespace follows
from the files' hashes."""
import datetime
import hashlib
import json
import os
import pathlib
import re
import subprocess
import sys
import uuid

# What each MinGW-w64 runtime DLL is, which Debian says only as a package.
RUNTIME = {
    "libstdc++-6.dll": ("libstdc++", "GPL-3.0-or-later WITH GCC-exception-3.1",
                        "Free Software Foundation, Inc."),
    "libgcc_s_seh-1.dll": ("libgcc", "GPL-3.0-or-later WITH GCC-exception-3.1",
                           "Free Software Foundation, Inc."),
    "libwinpthread-1.dll": ("winpthreads", "MIT AND BSD-3-Clause", "the MinGW-w64 project"),
}
# The program's own namespace, for the bill's and the MSI's identifiers
# (scripts/windows/package.sh reads it here).
NAMESPACE = uuid.UUID("4eb40eda-3f06-4717-be85-5037ad0f3d6a")


def read_tag_value(path):
    """Qt's SPDX tag-value document: its packages, files and licences by
    SPDX id, in order, and its relationships."""
    elements, relationships, current = {}, [], None
    text = path.read_text(encoding="utf-8")
    for match in re.finditer(r"^(\w+): (<text>.*?</text>|[^\n]*)$", text, re.M | re.S):
        tag, value = match.group(1), match.group(2)
        value = value.removeprefix("<text>").removesuffix("</text>")
        if tag in ("PackageName", "FileName", "LicenseID"):
            current = {"kind": tag, tag: value}
            if tag == "LicenseID":
                elements[value] = current
        elif tag == "SPDXID" and current is not None:
            elements[value] = current
        elif tag == "Relationship":
            relationships.append(value.split())
        elif current is not None:
            current.setdefault(tag, []).append(value)
    return elements, relationships


def debian_package(path):
    """The Debian binary package that holds a file, its version, and its source's."""
    # dpkg knows a file by the path it installed, without "..", before symbolic links.
    for name in dict.fromkeys([os.path.normpath(path), os.path.realpath(path)]):
        found = subprocess.run(["dpkg", "-S", name], capture_output=True, text=True)
        if found.returncode == 0:
            break
    else:
        raise SystemExit(f"sbom: no Debian package holds {path}")
    package = found.stdout.split(":")[0]
    fields = subprocess.run(["dpkg-query", "-W", "-f=${Version}\t${source:Package}\t${source:Version}",
                             package], capture_output=True, text=True, check=True).stdout
    return (package, *fields.split("\t"))


def purl(source, version):
    quoted = version.replace("%", "%25").replace("+", "%2B").replace(":", "%3A")
    return {"referenceCategory": "PACKAGE-MANAGER", "referenceType": "purl",
            "referenceLocator": f"pkg:deb/debian/{source}@{quoted}?arch=source"}


def package(spdx_id, name, version, supplier, licence, copyright_text, declared=None,
            refs=(), purpose="LIBRARY", location="NOASSERTION"):
    return {"SPDXID": spdx_id, "name": name, "versionInfo": version, "supplier": supplier,
            "downloadLocation": location,
            "licenseConcluded": licence, "licenseDeclared": declared or licence,
            "copyrightText": copyright_text, "externalRefs": list(refs),
            "primaryPackagePurpose": purpose}


def qt_packages(qt_prefix, shipped):
    """Qt's parts that the shipped files are, and all they are built from, as
    Qt's build describes them; and which package each shipped file is."""
    sbom = next((qt_prefix / "sbom").glob("qtbase-*.spdx"))
    elements, relationships = read_tag_value(sbom)
    owner = {}  # installed name, as in the release -> Qt package id
    for subject, kind, obj in relationships:
        name = elements.get(obj, {}).get("FileName", "")
        if kind == "CONTAINS" and name.endswith(".dll"):
            owner[re.sub(r"^\./(bin|plugins)/", "", name)] = subject
    files = {name: owner[name] for name in shipped if name in owner}
    wanted, queue = [], sorted(set(files.values()))
    while queue:  # everything the shipped parts depend on, through Qt's own graph
        spdx_id = queue.pop(0)
        if spdx_id in wanted or "-system-3rdparty-" in spdx_id:
            continue
        wanted.append(spdx_id)
        queue += [o for s, kind, o in relationships if s == spdx_id and kind == "DEPENDS_ON"]
    packages, edges, licences = [], [], set()
    for spdx_id in wanted:
        e = elements[spdx_id]
        first = lambda tag: e.get(tag, ["NOASSERTION"])[0]  # noqa: E731
        refs = [dict(zip(("referenceCategory", "referenceType", "referenceLocator"),
                         r.split(maxsplit=2))) for r in e.get("ExternalRef", [])]
        packages.append(package(spdx_id, e["PackageName"], first("PackageVersion"),
                                first("PackageSupplier"), first("PackageLicenseConcluded"),
                                first("PackageCopyrightText"), first("PackageLicenseDeclared"),
                                refs, location=first("PackageDownloadLocation")))
        licences |= set(re.findall(r"LicenseRef-[\w.-]+", first("PackageLicenseConcluded")
                                   + " " + first("PackageLicenseDeclared")))
        edges += [[s, "DEPENDS_ON", o] for s, kind, o in relationships
                  if s == spdx_id and kind == "DEPENDS_ON" and o in wanted]
    extracted = [{"licenseId": i, "name": elements[i].get("LicenseName", [i])[0],
                  "extractedText": elements[i].get("ExtractedText", [""])[0]}
                 for i in sorted(licences)]
    return packages, edges, extracted, files


def hashes(path):
    data = path.read_bytes()
    return [{"algorithm": "SHA1", "checksumValue": hashlib.sha1(data).hexdigest()},
            {"algorithm": "SHA256", "checksumValue": hashlib.sha256(data).hexdigest()}]


def main(stage, qt_prefix, compiler, name, version, publisher, output):
    stage, qt_prefix, output = pathlib.Path(stage), pathlib.Path(qt_prefix), pathlib.Path(output)
    shipped = sorted(p.relative_to(stage).as_posix() for p in stage.rglob("*")
                     if p.is_file() and p != output)
    supplier = f"Organization: {publisher}"
    program_id = "SPDXRef-Package-bandit-manchot"
    packages = [package(program_id, name, version, supplier, "MIT",
                        "Copyright (c) 2026 The Bandit Manchot developers", purpose="APPLICATION")]
    relationships = [["SPDXRef-DOCUMENT", "DESCRIBES", program_id]]
    owner = dict.fromkeys(shipped, program_id)

    qt, qt_edges, extracted, qt_files = qt_packages(qt_prefix, shipped)
    qt_version = (qt_prefix / "licenses/debian-source-version").read_text().strip()
    qt_id = "SPDXRef-Package-qt6-base-debian"
    packages.append(package(qt_id, "qt6-base", qt_version, "Organization: Debian",
                            "LGPL-3.0-only", "Copyright (C) The Qt Company Ltd. and other contributors.",
                            "LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only",
                            [purl("qt6-base", qt_version)]))
    relationships.append([program_id, "DEPENDS_ON", qt_id])
    relationships += [[qt_id, "CONTAINS", p["SPDXID"]] for p in qt] + qt_edges
    packages += qt
    owner.update(qt_files)
    # Qt's licences and Debian's account of its source travel with its DLLs.
    for licence_file in (qt_prefix / "licenses").iterdir():
        if f"licences/{licence_file.name}" in owner:
            owner[f"licences/{licence_file.name}"] = qt_id

    for dll, (component, licence, holder) in RUNTIME.items():
        if dll not in owner:
            continue
        found = subprocess.run([compiler, f"-print-file-name={dll}"], capture_output=True,
                               text=True, check=True).stdout.strip()
        binary, binary_version, source, source_version = debian_package(found)
        spdx_id = f"SPDXRef-Package-{component.replace('+', 'x')}"
        packages.append(package(spdx_id, component, binary_version, "Organization: Debian",
                                licence, f"Copyright (C) {holder}",
                                refs=[purl(source, source_version)]))
        packages[-1]["comment"] = f"From the Debian package {binary} {binary_version}."
        relationships.append([program_id, "DEPENDS_ON", spdx_id])
        owner[dll] = spdx_id

    licence_of = {p["SPDXID"]: p["licenseConcluded"] for p in packages}
    files = []
    for index, name_in_stage in enumerate(shipped, 1):
        file_id = f"SPDXRef-File-{index}"
        binary = name_in_stage.endswith((".exe", ".dll"))
        files.append({"SPDXID": file_id, "fileName": f"./{name_in_stage}",
                      "checksums": hashes(stage / name_in_stage),
                      "licenseConcluded": licence_of[owner[name_in_stage]] if binary else "NOASSERTION",
                      "copyrightText": "NOASSERTION"})
        relationships.append([owner[name_in_stage], "CONTAINS", file_id])

    # SPDX asks that a package whose contents are listed says it was analysed.
    containers = {s for s, kind, _ in relationships if kind == "CONTAINS"}
    for p in packages:
        p["filesAnalyzed"] = p["SPDXID"] in containers

    every_hash = "".join(f["checksums"][1]["checksumValue"] for f in files)
    created = datetime.datetime.fromtimestamp(int(os.environ["SOURCE_DATE_EPOCH"]), datetime.timezone.utc)
    document = {
        "spdxVersion": "SPDX-2.3", "dataLicense": "CC0-1.0", "SPDXID": "SPDXRef-DOCUMENT",
        "name": f"bandit-manchot-{version}-windows-x64",
        "documentNamespace": "https://spdx.org/spdxdocs/bandit-manchot-"
                             f"{version}-windows-x64-{uuid.uuid5(NAMESPACE, every_hash)}",
        "creationInfo": {"created": created.strftime("%Y-%m-%dT%H:%M:%SZ"),
                         "creators": [supplier, "Tool: bandit-manchot-sbom"]},
        "packages": packages, "files": files,
        "relationships": [{"spdxElementId": s, "relationshipType": k, "relatedSpdxElement": o}
                          for s, k, o in relationships],
    }
    if extracted:
        document["hasExtractedLicensingInfos"] = extracted
    output.write_text(json.dumps(document, indent=1, ensure_ascii=False) + "\n", encoding="utf-8")
    print(f"sbom: {len(packages)} packages, {len(files)} files", file=sys.stderr)


if __name__ == "__main__":
    if len(sys.argv) != 8:
        sys.exit(__doc__)
    main(*sys.argv[1:])
