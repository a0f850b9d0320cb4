#!/usr/bin/env python3
"""Checks the programs that ship before they are packed.

    check_release.py <tvSer.exe> <tvQ41Box.exe>

For each program: a GUI program; imports from Windows' own DLLs only; a
manifest that runs it as the invoking user and leaves DPI scaling to Windows;
a version resource; for the box, its icon and skin sheets; and a size budget:
64 KB, beyond the skin sheets the box carries. Prints a table and exits 1 when
any program fails, 2 when a file cannot be read as a program.
"""
import os
import struct
import sys
import xml.etree.ElementTree as ElementTree

KB = 1024
CODE_BUDGET = 64 * KB
GUI_SUBSYSTEM = 2
RT_BITMAP, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 2, 14, 16, 24
IMPORT_DIRECTORY, RESOURCE_DIRECTORY = 1, 2
WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msimg32.dll", "shell32.dll",
                "shlwapi.dll", "winspool.drv", "advapi32.dll", "msvcrt.dll"}
# What each program must carry, besides a manifest and a version resource.
PROGRAMS = {
    "tvser.exe": {"icon": False, "bitmaps": ()},
    "tvq41box.exe": {"icon": True, "bitmaps": (129, 131, 132)},
}


class NotAProgram(Exception):
    pass


class PeFile:
    """The parts of a PE image the checks read: headers, sections, imports, resources."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise NotAProgram("no DOS header")
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise NotAProgram("no PE signature")
        sections, optional_size = self.u16(pe + 6), self.u16(pe + 20)
        optional = pe + 24
        magic = self.u16(optional)
        if magic not in (0x10B, 0x20B):
            raise NotAProgram("unknown optional header 0x%x" % magic)
        self.subsystem = self.u16(optional + 68)
        # PE32+ has 8-byte stack and heap fields, so its data directories start later.
        directories = optional + (96 if magic == 0x10B else 112)
        count = self.u32(directories - 4)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(count)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8sIIII", data, table + 40 * i) for i in range(sections)]

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva):
        for _, virtual_size, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_offset + rva - address
        raise NotAProgram("address 0x%x lies in no section" % rva)

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii", "replace")

    def directory(self, index):
        rva, size = self.directories[index] if index < len(self.directories) else (0, 0)
        return rva if size else None

    def imports(self):
        rva = self.directory(IMPORT_DIRECTORY)
        names = []
        while rva is not None:
            lookup, _, _, name, thunks = struct.unpack_from("<5I", self.data, self.offset(rva))
            if not (lookup or name or thunks):
                break
            names.append(self.text(name))
            rva += 20
        return names

    def resources(self):
        """{(type, id): data} for every resource with a numeric type and id (first language)."""
        root = self.directory(RESOURCE_DIRECTORY)
        found = {}
        if root is None:
            return found
        for kind, types in self._entries(root, 0):
            for ident, languages in self._entries(root, types):
                _, language = next(iter(self._entries(root, languages)), (None, None))
                if kind is None or ident is None or language is None:
                    continue
                rva, size = struct.unpack_from("<II", self.data, self.offset(root + language))
                start = self.offset(rva)
                found[(kind, ident)] = self.data[start:start + size]
        return found

    def _entries(self, root, directory):
        """(numeric id or None for a named entry, offset of what it points to) of one directory."""
        base = self.offset(root + directory)
        named, numbered = self.u16(base + 12), self.u16(base + 14)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", self.data, base + 16 + 8 * i)
            yield (None if name & 0x80000000 else name), target & 0x7FFFFFFF


def local_name(tag):
    return tag.rsplit("}", 1)[-1]


def manifest_findings(manifest):
    try:
        elements = list(ElementTree.fromstring(manifest).iter())
    except ElementTree.ParseError as error:
        return ["the manifest is not XML (%s)" % error]
    findings = []
    levels = [e for e in elements if local_name(e.tag) == "requestedExecutionLevel"]
    if not any(e.get("level") == "asInvoker" and e.get("uiAccess") == "false" for e in levels):
        findings.append('the manifest does not request level="asInvoker" uiAccess="false"')
    for e in elements:
        if local_name(e.tag) in ("dpiAware", "dpiAwareness"):
            findings.append("the manifest declares %s" % local_name(e.tag))
    return findings


def check(path):
    """(size, bitmap bytes, budget, findings) of one program."""
    name = os.path.basename(path)
    wants = PROGRAMS.get(name.lower())
    if wants is None:
        raise NotAProgram("%s is not a program this release ships" % name)
    with open(path, "rb") as f:
        pe = PeFile(f.read())
    findings = []
    if pe.subsystem != GUI_SUBSYSTEM:
        findings.append("subsystem %d, not the Windows GUI (2)" % pe.subsystem)
    for dll in pe.imports():
        if dll.lower() not in WINDOWS_DLLS:
            findings.append("imports %s, which is not part of Windows" % dll)
    resources = pe.resources()
    if (RT_MANIFEST, 1) in resources:
        findings += manifest_findings(resources[(RT_MANIFEST, 1)])
    else:
        findings.append("no manifest (RT_MANIFEST 1)")
    if not any(kind == RT_VERSION for kind, _ in resources):
        findings.append("no version resource")
    if wants["icon"] and not any(kind == RT_GROUP_ICON for kind, _ in resources):
        findings.append("no icon")
    bitmap_bytes = 0
    for ident in wants["bitmaps"]:
        if (RT_BITMAP, ident) in resources:
            bitmap_bytes += len(resources[(RT_BITMAP, ident)])
        else:
            findings.append("no bitmap %d" % ident)
    size, budget = len(pe.data), CODE_BUDGET + bitmap_bytes
    if size > budget:
        findings.append("%.1f KB over its budget" % ((size - budget) / KB))
    return size, bitmap_bytes, budget, findings


def main(paths):
    if not paths:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    rows, failed = [], False
    for path in paths:
        try:
            size, bitmaps, budget, findings = check(path)
        except (OSError, NotAProgram, struct.error, ValueError) as error:
            print("%s: %s" % (path, error), file=sys.stderr)
            return 2
        failed |= bool(findings)
        rows.append((os.path.basename(path), size, bitmaps, budget, findings))
    line = "%-14s %10s %10s %10s  %-7s  %s"
    print(line % ("program", "size", "bitmaps", "budget", "verdict", "findings"))
    for name, size, bitmaps, budget, findings in rows:
        print(line % (name, "%.1f KB" % (size / KB), "%.1f KB" % (bitmaps / KB), "%.1f KB" % (budget / KB),
                      "FAIL" if findings else "pass", "; ".join(findings) or "-"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
