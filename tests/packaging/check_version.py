#!/usr/bin/env python3
"""check_version.py VERSION SOURCE_DIR [WINDOWS_FILE...]: every place that
names the program's version names VERSION, the CMake project's: the top entry
of debian/changelog, the newest release in the AppStream metadata, both
manual pages, and the version resource of each Windows file given (an .exe,
or a .zip whose .exe is read), in its fixed part and in its strings."""
import re
import struct
import sys
import zipfile


def changelog(path):
    with open(path, encoding="utf-8") as f:
        return re.match(r"ringcoil \(([^)]+)\)", f.readline()).group(1)


def metainfo(path):
    with open(path, encoding="utf-8") as f:
        return re.search(r'<release version="([^"]+)"', f.read()).group(1)


def manual(path):
    with open(path, encoding="utf-8") as f:
        return re.search(r'^\.TH .*"ringcoil ([^"]+)"', f.read(), re.M).group(1)


def version_resource(data):
    """The versions of a PE file's VS_VERSIONINFO: the fixed file and product
    versions as four numbers each, and the FileVersion and ProductVersion
    strings, UTF-16 each after its key and padding."""
    fixed = data.find(struct.pack("<I", 0xFEEF04BD))
    if fixed < 0:
        raise ValueError("no version resource")
    ms, ls, pms, pls = struct.unpack_from("<4I", data, fixed + 8)
    found = {"fixed FILEVERSION": (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF),
             "fixed PRODUCTVERSION": (pms >> 16, pms & 0xFFFF, pls >> 16, pls & 0xFFFF)}
    for key in ("FileVersion", "ProductVersion"):
        match = re.search(key.encode("utf-16-le") + rb"\0\0(?:\0\0)?((?:[^\0].|\0[^\0])*?)\0\0",
                          data, re.S)
        found[key] = match.group(1).decode("utf-16-le") if match else None
    return found


def windows_file(path):
    if path.endswith(".zip"):
        with zipfile.ZipFile(path) as archive:
            exe = [name for name in archive.namelist() if name.endswith(".exe")]
            return archive.read(exe[0])
    with open(path, "rb") as f:
        return f.read()


def main():
    version, source, windows = sys.argv[1], sys.argv[2], sys.argv[3:]
    numbers = tuple(int(n) for n in version.split("."))
    numbers += (0,) * (4 - len(numbers))
    found = {
        "debian/changelog": changelog(f"{source}/debian/changelog"),
        "AppStream metadata": metainfo(f"{source}/packaging/io.github.ringcoil.Ringcoil.metainfo.xml"),
        "manual page": manual(f"{source}/packaging/man/ringcoil.1"),
        "Russian manual page": manual(f"{source}/packaging/man/ru/ringcoil.1"),
    }
    wrong = [f"{where}: {seen} (the CMake project's version is {version})"
             for where, seen in found.items() if seen != version]
    for path in windows:
        for where, seen in version_resource(windows_file(path)).items():
            expected = numbers if where.startswith("fixed") else version
            if seen != expected:
                wrong.append(f"{path}, {where}: {seen} (expected {expected})")
    for line in wrong:
        print("FAIL:", line)
    if not wrong:
        print(f"version {version} everywhere: {', '.join(found)}"
              + "".join(f", {path}" for path in windows))
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
