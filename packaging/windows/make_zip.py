#!/usr/bin/env python3
"""make_zip.py OUTPUT.zip FOLDER FILE...: a zip holding FOLDER/ with the FILEs
in it, in name order, which the same files always give byte for byte: every
entry is dated at SOURCE_DATE_EPOCH (the time of the commit in a release; the
time of the build without it), with the modes 755 for the folder and 644 for
the files whatever the umask, and no owner, user or access time."""
import os
import sys
import time
import zipfile


def main():
    output, folder, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", time.time()))
    # A zip's dates have no time zone and count from 1980, in steps of 2 s.
    date = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(output + ".part", "w") as archive:
        entry = zipfile.ZipInfo(folder + "/", date)
        entry.external_attr = (0o40755 << 16) | 0x10  # the MS-DOS folder flag
        entry.create_system = 3  # Unix, so that the modes are read
        archive.writestr(entry, b"")
        for path in sorted(files, key=os.path.basename):
            entry = zipfile.ZipInfo(folder + "/" + os.path.basename(path), date)
            entry.external_attr = 0o100644 << 16
            entry.create_system = 3
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as f:
                archive.writestr(entry, f.read(), compresslevel=9)
    os.replace(output + ".part", output)


if __name__ == "__main__":
    main()
