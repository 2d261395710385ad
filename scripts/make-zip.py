#!/usr/bin/env python3
"""Packs a folder into a zip whose bytes depend only on the files' names and contents.

usage: make-zip.py ZIP FOLDER

The folder goes in under its own name, entries in sorted order, every entry dated
SOURCE_DATE_EPOCH (UTC; zip keeps two-second steps from 1980 on) with fixed permissions and no
extra fields (no access or change times of the build machine)."""
import os
import sys
import time
import zipfile


def entry(name, epoch, is_dir):
    info = zipfile.ZipInfo(name, time.gmtime(max(epoch, 315532800))[:6])
    info.create_system = 3  # Unix, so the permissions below are read as such
    info.external_attr = ((0o40755 if is_dir else 0o100644) << 16) | (0x10 if is_dir else 0)
    info.compress_type = zipfile.ZIP_DEFLATED
    return info


def main():
    target, folder = sys.argv[1], os.path.normpath(sys.argv[2])
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "315532800"))
    base = os.path.dirname(folder)
    names = []
    for root, dirs, files in os.walk(folder):
        names.append((os.path.relpath(root, base) + "/", None))
        names += [(os.path.relpath(os.path.join(root, f), base), os.path.join(root, f)) for f in files]
    with zipfile.ZipFile(target, "w", compresslevel=9) as archive:
        for name, path in sorted(names):
            if path is None:
                archive.writestr(entry(name, epoch, True), b"")
            else:
                with open(path, "rb") as data:
                    archive.writestr(entry(name, epoch, False), data.read())


if __name__ == "__main__":
    main()
