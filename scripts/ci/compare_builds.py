#!/usr/bin/env python3
"""Where two builds of one file differ: the first runs of differing bytes, each with the
part of the file it falls in, for a Windows program its header field, section or resource,
for a zip its entry. The release must be the same bytes from every build of one commit;
when it is not, this says where to look.

    compare_builds.py FIRST SECOND

Prints Markdown; exits 0 when the files are the same, 1 when they differ.
"""
import struct
import sys
import zipfile

FIRST_RUNS = 8

# "PE Format" (Microsoft Learn): resource types, debug types, and header fields that carry
# a time or a sum, the usual suspects when two builds differ.
RESOURCE_TYPES = {1: "cursor", 3: "icon", 12: "group cursor", 14: "group icon",
                  16: "version", 24: "manifest"}
DEBUG_TYPES = {2: "CodeView", 12: "VC feature", 13: "POGO", 14: "ILTCG", 16: "repro",
               20: "extended DLL characteristics"}


def runs(a, b):
    """(offset, length) of each run of differing bytes; a longer file's tail is one run."""
    found, start = [], None
    for k in range(min(len(a), len(b))):
        if a[k] != b[k]:
            start = k if start is None else start
        elif start is not None:
            found.append((start, k - start))
            start = None
    if start is not None:
        found.append((start, min(len(a), len(b)) - start))
    if len(a) != len(b):
        found.append((min(len(a), len(b)), abs(len(a) - len(b))))
    return found


def pe_parts(data):
    """(start, end, name) of the parts of a PE file, nested ones after those around them."""
    u16 = lambda at: struct.unpack_from("<H", data, at)[0]
    u32 = lambda at: struct.unpack_from("<I", data, at)[0]
    pe = u32(0x3C)
    coff, optional = pe + 4, pe + 24
    directories = optional + (112 if u16(optional) == 0x20B else 96)
    sections_at = optional + u16(coff + 16)
    parts = [(0, 64, "DOS header"), (64, pe, "DOS stub"), (coff, optional, "COFF header"),
             (coff + 4, coff + 8, "COFF header, TimeDateStamp"),
             (optional, sections_at, "optional header"),
             (optional + 64, optional + 68, "optional header, CheckSum")]
    sections = []
    for k in range(u16(coff + 2)):
        at = sections_at + 40 * k
        name = data[at:at + 8].rstrip(b"\0").decode("ascii", "replace")
        rva, size, raw = u32(at + 12), u32(at + 16), u32(at + 20)
        sections.append((rva, raw, size))
        parts += [(at, at + 40, f"section table, {name}"), (raw, raw + size, f"section {name}")]

    def offset(rva):
        for start, raw, size in sections:
            if start <= rva < start + size:
                return raw + rva - start
        return None

    debug_rva, debug_size = u32(directories + 6 * 8), u32(directories + 6 * 8 + 4)
    debug = offset(debug_rva) if debug_size else None
    for k in range(debug_size // 28 if debug is not None else 0):
        at = debug + 28 * k
        kind = DEBUG_TYPES.get(u32(at + 12), f"type {u32(at + 12)}")
        parts.append((at, at + 28, f"debug directory, {kind} entry"))
        size, raw = u32(at + 16), u32(at + 24)
        if size and raw:
            parts.append((raw, raw + size, f"debug data, {kind}"))

    resources = offset(u32(directories + 2 * 8)) if u32(directories + 2 * 8 + 4) else None

    def walk(table, path):
        entries = u16(table + 12) + u16(table + 14)
        parts.append((table, table + 16 + 8 * entries, "resource directory" + path))
        for k in range(entries):
            name, target = u32(table + 16 + 8 * k), u32(table + 20 + 8 * k)
            label = f"name at {name & 0x7FFFFFFF:#x}" if name & 0x80000000 else name
            if not path:
                label = RESOURCE_TYPES.get(label, label)
            if target & 0x80000000:
                walk(resources + (target & 0x7FFFFFFF), f"{path}, {label}" if path else f": {label}")
                continue
            entry = resources + target
            data_at = offset(u32(entry))
            where = f"resource{path.lstrip(':')}, language {label:#06x}" if isinstance(label, int) \
                else f"resource{path.lstrip(':')}, {label}"
            parts.append((entry, entry + 16, f"{where} (its entry)"))
            if data_at is not None:
                parts.append((data_at, data_at + u32(entry + 4), where))

    if resources is not None:
        walk(resources, "")
    return parts


def zip_parts(path):
    parts = []
    with zipfile.ZipFile(path) as archive, open(path, "rb") as raw:
        for info in archive.infolist():
            raw.seek(info.header_offset + 26)
            name_size, extra_size = struct.unpack("<HH", raw.read(4))
            data = info.header_offset + 30 + name_size + extra_size
            parts += [(info.header_offset, data, f"{info.filename}, its local header"),
                      (data, data + info.compress_size, f"{info.filename}, its data")]
        central = max(end for _, end, _ in parts) if parts else 0
        parts.append((central, raw.seek(0, 2), "central directory and its end"))
    return parts


def part_of(parts, at):
    inside = [(end - start, name) for start, end, name in parts if start <= at < end]
    return min(inside)[1] if inside else "outside every part this reads"


def main(first, second):
    with open(first, "rb") as f, open(second, "rb") as s:
        a, b = f.read(), s.read()
    differ = runs(a, b)
    name = first.replace("\\", "/").rsplit("/", 1)[-1]
    if not differ:
        print(f"`{name}`: the same bytes in both builds.")
        return 0
    try:
        parts = pe_parts(a) if a[:2] == b"MZ" else zip_parts(first) if a[:2] == b"PK" else []
    except (struct.error, zipfile.BadZipFile, IndexError):
        parts = []
    print(f"`{name}`: {len(a)} and {len(b)} bytes, {len(differ)} runs of differing bytes; "
          f"the first {min(len(differ), FIRST_RUNS)}:")
    for at, length in differ[:FIRST_RUNS]:
        print(f"- offset {at:#010x}, {length} bytes: {part_of(parts, at)}")
    return 1


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
