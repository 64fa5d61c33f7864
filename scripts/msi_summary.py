"""Rewrites the summary information of a built MSI in place: its package code and its two times.
wixl writes a random package code and the current time there, which would make every build of the
same sources a different file.

An MSI is a compound file; its summary information is the stream "\\x05SummaryInformation", a
property set small enough to lie in the compound file's mini stream. The values changed keep their
sizes, so the stream is rewritten byte for byte where it lies and nothing else in the file moves.
"""

import struct
from pathlib import Path

SUMMARY_STREAM = "\x05SummaryInformation"
REVISION_NUMBER = 9  # the package code, a GUID in braces
CREATED = 12
LAST_SAVED = 13
VT_LPSTR = 0x1E
VT_FILETIME = 0x40
END_OF_CHAIN = 0xFFFFFFFE
DIRECTORY_ENTRY_SIZE = 128
# FILETIME counts 100-ns steps from 1601-01-01; Unix time counts seconds from 1970-01-01.
FILETIME_UNIX_OFFSET = 11644473600


class CompoundFile:
    """Where each stream of a compound file lies: enough of the format to rewrite a stream in place."""

    def __init__(self, data):
        if data[:8] != bytes.fromhex("D0CF11E0A1B11AE1"):
            raise ValueError("not a compound file")
        self.data = data
        self.sector_size = 1 << struct.unpack_from("<H", data, 0x1E)[0]
        self.mini_sector_size = 1 << struct.unpack_from("<H", data, 0x20)[0]
        fat_sectors, first_directory = struct.unpack_from("<II", data, 0x2C)
        self.mini_cutoff, first_mini_fat, _, _, difat_sectors = struct.unpack_from("<IIIII", data, 0x38)
        if difat_sectors:
            raise ValueError("compound files this large are not supported")
        fat_list = struct.unpack_from(f"<{fat_sectors}I", data, 0x4C)
        self.fat = [entry for sector in fat_list for entry in self.sector_words(sector)]
        self.mini_fat = [entry for sector in self.chain(first_mini_fat) for entry in self.sector_words(sector)]
        self.directory = b"".join(self.sector(sector) for sector in self.chain(first_directory))
        root_start = struct.unpack_from("<I", self.directory, 116)[0]
        self.mini_stream_sectors = self.chain(root_start)

    def sector_offset(self, sector):
        # The header fills sector "-1", whatever the sector size.
        return (sector + 1) * self.sector_size

    def sector(self, sector):
        offset = self.sector_offset(sector)
        return self.data[offset:offset + self.sector_size]

    def sector_words(self, sector):
        return struct.unpack(f"<{self.sector_size // 4}I", self.sector(sector))

    def chain(self, start, table=None):
        table = self.fat if table is None else table
        sectors = []
        while start != END_OF_CHAIN:
            if start >= len(table) or len(sectors) > len(table):
                raise ValueError("broken sector chain")
            sectors.append(start)
            start = table[start]
        return sectors

    def stream_offsets(self, name):
        """The file offset of each byte of a stream, in order."""
        for entry in range(len(self.directory) // DIRECTORY_ENTRY_SIZE):
            base = entry * DIRECTORY_ENTRY_SIZE
            name_length = struct.unpack_from("<H", self.directory, base + 64)[0]
            if self.directory[base:base + max(name_length - 2, 0)].decode("utf-16-le") != name:
                continue
            start, size = struct.unpack_from("<IQ", self.directory, base + 116)
            if size >= self.mini_cutoff:
                return [self.sector_offset(sector) + i for sector in self.chain(start)
                        for i in range(self.sector_size)][:size]
            offsets = []
            for mini_sector in self.chain(start, self.mini_fat):
                position = mini_sector * self.mini_sector_size
                sector = self.mini_stream_sectors[position // self.sector_size]
                first = self.sector_offset(sector) + position % self.sector_size
                offsets.extend(range(first, first + self.mini_sector_size))
            return offsets[:size]
        raise ValueError(f"no stream {name!r}")


def property_offsets(stream):
    """{property id: offset of its typed value} of the first section of a property set."""
    section = struct.unpack_from("<I", stream, 28 + 16)[0]
    count = struct.unpack_from("<I", stream, section + 4)[0]
    pairs = struct.unpack_from(f"<{2 * count}I", stream, section + 8)
    return {pairs[i]: section + pairs[i + 1] for i in range(0, len(pairs), 2)}


def set_summary(msi, package_code, unix_time):
    """Gives the package the package code (a uuid.UUID) and, unless unix_time is None, that creation
    and last-saved time."""
    path = Path(msi)
    data = bytearray(path.read_bytes())
    offsets = CompoundFile(bytes(data)).stream_offsets(SUMMARY_STREAM)
    stream = bytearray(data[offset] for offset in offsets)
    values = property_offsets(stream)

    at = values[REVISION_NUMBER]
    kind, size = struct.unpack_from("<II", stream, at)
    text = "{" + str(package_code).upper() + "}\0"
    if kind != VT_LPSTR or size != len(text):
        raise ValueError(f"unexpected package code in {msi}")
    stream[at + 8:at + 8 + size] = text.encode("ascii")
    if unix_time is not None:
        for time_property in (CREATED, LAST_SAVED):
            at = values[time_property]
            if struct.unpack_from("<I", stream, at)[0] != VT_FILETIME:
                raise ValueError(f"unexpected time in {msi}")
            struct.pack_into("<Q", stream, at + 4, (unix_time + FILETIME_UNIX_OFFSET) * 10_000_000)

    for offset, byte in zip(offsets, stream):
        data[offset] = byte
    path.write_bytes(data)
