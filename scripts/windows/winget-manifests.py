#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Writes the release's winget manifests (schema 1.12.0, in several files:
version, installer, a French default locale and an English one) into FOLDER,
as winget's community repository takes them: the installer for the current
user and for all users, and the Windows Installer package for all users, each
with its address and SHA-256. The names and summaries are the metainfo's.

    winget-manifests.py FOLDER VERSION DATE NAME PUBLISHER URL SETUP.EXE SETUP.MSI PRODUCTCODE

URL is the address of the folder the release's files are published in.
"""

import hashlib
import json
import os
import sys
import xml.etree.ElementTree as ElementTree

IDENTIFIER = "BanditManchot.BanditManchot"
MANIFEST_VERSION = "1.12.0"
METAINFO = os.path.join(os.path.dirname(__file__), "..", "..", "packaging", "linux",
                        "app.metainfo.xml.in")
LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.file_digest(file, "sha256").hexdigest().upper()


def yaml(value, indent=""):
    """A manifest's YAML, block style. Every string is double-quoted as JSON
    writes it, which YAML reads the same, so that no version or date is ever
    read as a number or a date."""
    lines = ""
    for key, item in (value.items() if isinstance(value, dict) else enumerate(value)):
        lead = indent + ("%s:" % key if isinstance(value, dict) else "-")
        if isinstance(item, dict) and isinstance(value, list):
            lines += lead + " " + yaml(item, indent + "  ")[len(indent) + 2:]
        elif isinstance(item, (dict, list)):
            lines += lead + "\n" + yaml(item, indent + "  ")
        else:
            lines += "%s %s\n" % (lead, json.dumps(item, ensure_ascii=False))
    return lines


def main(folder, version, date, name, publisher, url, setup, msi, product_code):
    metainfo = ElementTree.parse(METAINFO).getroot()
    summaries = {element.get(LANG, "fr-FR"): element.text
                 for element in metainfo.findall("summary")}
    english_name = next(element.text for element in metainfo.findall("name")
                        if element.get(LANG) == "en")
    common = {"PackageIdentifier": IDENTIFIER, "PackageVersion": version}
    nsis = {"InstallerType": "nullsoft", "InstallerUrl": url + os.path.basename(setup),
            "InstallerSha256": sha256(setup)}
    manifests = {
        "": {**common, "DefaultLocale": "fr-FR", "ManifestType": "version"},
        ".installer": {
            **common, "Platform": ["Windows.Desktop"], "MinimumOSVersion": "10.0.0.0",
            "ReleaseDate": date, "UpgradeBehavior": "install",
            "Installers": [
                {"Architecture": "x64", "Scope": "user", **nsis,
                 "InstallerSwitches": {"Custom": "/CurrentUser"}},
                {"Architecture": "x64", "Scope": "machine", **nsis,
                 "InstallerSwitches": {"Custom": "/AllUsers"}},
                {"Architecture": "x64", "Scope": "machine", "InstallerType": "msi",
                 "InstallerUrl": url + os.path.basename(msi), "InstallerSha256": sha256(msi),
                 "ProductCode": product_code},
            ],
            "ManifestType": "installer"},
        ".locale.fr-FR": {
            **common, "PackageLocale": "fr-FR", "Publisher": publisher, "PackageName": name,
            "License": "MIT", "ShortDescription": summaries["fr-FR"],
            "ManifestType": "defaultLocale"},
        ".locale.en-US": {
            **common, "PackageLocale": "en-US", "PackageName": english_name,
            "ShortDescription": summaries["en"], "ManifestType": "locale"},
    }
    os.makedirs(folder, exist_ok=True)
    for suffix, manifest in manifests.items():
        manifest["ManifestVersion"] = MANIFEST_VERSION
        with open(os.path.join(folder, IDENTIFIER + suffix + ".yaml"), "w",
                  encoding="utf-8") as file:
            file.write("# yaml-language-server: $schema=https://aka.ms/winget-manifest.%s.%s"
                       ".schema.json\n" % (manifest["ManifestType"].lower(), MANIFEST_VERSION))
            file.write(yaml(manifest))


if __name__ == "__main__":
    if len(sys.argv) != 10:
        sys.exit(__doc__)
    main(*sys.argv[1:])
