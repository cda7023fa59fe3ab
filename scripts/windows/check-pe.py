#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Checks that every .exe and .dll given, or under the folders given, has the
protections Windows expects of a program: ASLR with high entropy and its
relocations, DEP, the whole 64-bit address space, and no section both
writable and executable; and that none loads libssp-0.dll, which the
release does not ship. Names each file and each protection it lacks.

    check-pe.py [--list] FOLDER|FILE...

With --list, prints each file's protections instead and always succeeds."""
import pathlib
import sys

import pefile

DLL_FLAGS = {
    "DYNAMIC_BASE": pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE"],
    "HIGH_ENTROPY_VA": pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA"],
    "NX_COMPAT": pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_NX_COMPAT"],
}
LARGE_ADDRESS_AWARE = pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_LARGE_ADDRESS_AWARE"]
RELOCS_STRIPPED = pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_RELOCS_STRIPPED"]
WRITE = pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_WRITE"]
EXECUTE = pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_EXECUTE"]
RELOCATIONS = pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]


def findings(path):
    """The protections a file has, and what it lacks or does wrong."""
    pe = pefile.PE(str(path), fast_load=True)
    pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"]])
    has, faults = [], []
    for name, flag in DLL_FLAGS.items():
        if pe.OPTIONAL_HEADER.DllCharacteristics & flag:
            has.append(name)
        else:
            faults.append(f"no {name}")
    if pe.FILE_HEADER.Characteristics & LARGE_ADDRESS_AWARE:
        has.append("LARGE_ADDRESS_AWARE")
    else:
        faults.append("no LARGE_ADDRESS_AWARE")
    # ASLR moves a file only where its relocations say how.
    relocations = pe.OPTIONAL_HEADER.DATA_DIRECTORY[RELOCATIONS].Size > 0
    if relocations and not pe.FILE_HEADER.Characteristics & RELOCS_STRIPPED:
        has.append("relocations")
    else:
        faults.append("no relocations")
    for section in pe.sections:
        if section.Characteristics & WRITE and section.Characteristics & EXECUTE:
            name = section.Name.rstrip(b"\0").decode(errors="replace")
            faults.append(f"section {name} is writable and executable")
    for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        if entry.dll.decode(errors="replace").lower() == "libssp-0.dll":
            faults.append("imports libssp-0.dll")
    return has, faults


def main(arguments):
    listing = arguments[:1] == ["--list"]
    given = [pathlib.Path(a) for a in arguments[listing:]]
    if not given:
        print(__doc__, file=sys.stderr)
        return 2
    files = sorted(p for path in given for p in (path.rglob("*") if path.is_dir() else [path])
                   if p.suffix.lower() in (".exe", ".dll") and p.is_file())
    if not files:
        print(f"check-pe: no .exe or .dll in {' '.join(map(str, given))}", file=sys.stderr)
        return 1
    failed = 0
    for path in files:
        has, faults = findings(path)
        if listing:
            print(f"{path}: {' '.join(has)}" + (f"; lacks: {', '.join(faults)}" if faults else ""))
        for fault in faults:
            print(f"check-pe: {path}: {fault}", file=sys.stderr)
        failed += bool(faults)
    if listing:
        return 0
    if failed:
        print(f"check-pe: {failed} of {len(files)} files lack a protection", file=sys.stderr)
        return 1
    print(f"check-pe: {len(files)} .exe and .dll files, each with every protection")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
