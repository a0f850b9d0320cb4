#!/usr/bin/env python3
"""The release check on the x64 programs as they would ship (stripped), and on
copies of them, each with one fault the check is there to stop.

    check_release_test.py <folder holding stripped tvSer.exe and tvQ41Box.exe>
"""
import contextlib
import io
import os
import re
import struct
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging"))
import check_release  # noqa: E402

PROGRAMS = ""


def read(name):
    with open(os.path.join(PROGRAMS, name), "rb") as f:
        return f.read()


def console_subsystem(data):
    subsystem = struct.unpack_from("<I", data, 0x3C)[0] + 24 + 68
    return data[:subsystem] + struct.pack("<H", 3) + data[subsystem + 2:]


def replaced(old, new):
    assert len(old) == len(new)
    return lambda data: data.replace(old, new, 1) if old in data else fail("%r not found" % old)


def in_resources(pattern, replace):
    """Rewrites the first match of a byte pattern in the resource section only."""
    def mutate(data):
        pe = check_release.PeFile(data)
        start = pe.offset(pe.directory(check_release.RESOURCE_DIRECTORY))
        match = re.compile(pattern, re.DOTALL).search(data, start)
        if not match:
            fail("%r not found among the resources" % pattern)
        return data[:match.start()] + replace(match.group()) + data[match.end():]
    return mutate


def dpi_aware_manifest(data):
    start, end = data.index(b"<?xml"), data.index(b"</assembly>") + len(b"</assembly>")
    manifest = (b'<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">'
                b'<trustInfo xmlns="urn:schemas-microsoft-com:asm.v3"><security><requestedPrivileges>'
                b'<requestedExecutionLevel level="asInvoker" uiAccess="false"/></requestedPrivileges>'
                b'</security></trustInfo><application><windowsSettings><dpiAware>true</dpiAware>'
                b'</windowsSettings></application></assembly>')
    assert len(manifest) <= end - start
    return data[:start] + manifest.ljust(end - start) + data[end:]


def fail(message):
    raise AssertionError(message)


# (what is wrong, program, how the copy is spoilt, the finding expected)
FAULTS = [
    ("a console program", "tvSer.exe", console_subsystem, "subsystem 3"),
    ("a DLL Windows does not have", "tvSer.exe", replaced(b"msvcrt.dll", b"msvcrz.dll"), "imports msvcrz.dll"),
    ("UI access asked for", "tvSer.exe", replaced(b'uiAccess="false"', b'uiAccess="true" '), "asInvoker"),
    ("DPI awareness declared", "tvQ41Box.exe", dpi_aware_manifest, "declares dpiAware"),
    # The version is the root entry of type 16, just before the manifest's (24).
    ("no version resource", "tvSer.exe",
     in_resources(rb"\x10\0\0\0...\x80\x18\0\0\0", lambda m: b"\x11" + m[1:]), "no version resource"),
    # Skin sheet 131 sits between 129 and 132 in the bitmap directory.
    ("a skin sheet missing", "tvQ41Box.exe",
     in_resources(rb"\x81\0\0\0....\x83\0\0\0", lambda m: m[:8] + b"\x82" + m[9:]), "no bitmap 131"),
    ("over the size budget", "tvSer.exe", lambda data: data + bytes(64 * 1024), "over its budget"),
]


class ReleaseCheck(unittest.TestCase):
    def run_check(self, *paths):
        with contextlib.redirect_stdout(io.StringIO()) as table:
            status = check_release.main(list(paths))
        return status, table.getvalue()

    def test_the_programs_pass(self):
        status, table = self.run_check(os.path.join(PROGRAMS, "tvSer.exe"), os.path.join(PROGRAMS, "tvQ41Box.exe"))
        print(table)
        self.assertEqual(status, 0, table)

    def test_each_fault_fails_the_program(self):
        for fault, name, spoil, expected in FAULTS:
            with self.subTest(fault), tempfile.TemporaryDirectory() as folder:
                path = os.path.join(folder, name)
                with open(path, "wb") as f:
                    f.write(spoil(read(name)))
                findings = check_release.check(path)[3]
                self.assertTrue(any(expected in finding for finding in findings), findings)
                status, table = self.run_check(path)
                self.assertEqual(status, 1, table)

    def test_a_file_that_is_no_program_is_an_error(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "tvSer.exe")
            with open(path, "wb") as f:
                f.write(b"MZ" + bytes(200))
            with contextlib.redirect_stderr(io.StringIO()):
                self.assertEqual(self.run_check(path)[0], 2)


if __name__ == "__main__":
    PROGRAMS = sys.argv.pop(1)
    unittest.main(verbosity=2)
