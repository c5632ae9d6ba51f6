#!/usr/bin/env python3
"""Sets fields of a program file's PE header in place and recomputes its checksum.

The linker has no option for the run-from-swap flags, so the build sets them after linking; the
program-file check's own tests use the other options to make headers it must refuse.

  pe_header.py FILE [--output COPY] [--run-from-swap | --no-run-from-swap] [--time-stamp N]
               [--subsystem-version MAJOR.MINOR]

With --output, FILE stays as it is and the changed header goes to COPY.
"""
import argparse
import struct

# IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP | IMAGE_FILE_NET_RUN_FROM_SWAP: Windows copies the whole image
# into memory when it starts from a CD or a network share, so taking the disc out cannot break it.
RUN_FROM_SWAP = 0x0400 | 0x0800


def offsets(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise SystemExit("not a PE file")
    file_header = pe + 4
    optional = file_header + 20
    return {
        "time_stamp": file_header + 4,
        "characteristics": file_header + 18,
        "subsystem_version": optional + 48,
        "checksum": optional + 64,
    }


def checksum(data, checksum_at):
    """The PE checksum: 16-bit words summed with end-around carry, plus the file's length."""
    padded = data + b"\0" * (len(data) % 2)
    total = 0
    for (word,) in struct.iter_unpack("<H", padded):
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    for skipped in struct.unpack_from("<HH", data, checksum_at):
        total -= skipped
        if total < 0:
            total += 0xFFFF
    total = (total & 0xFFFF) + (total >> 16)
    return (total & 0xFFFF) + len(data)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("file")
    parser.add_argument("--output")
    swap = parser.add_mutually_exclusive_group()
    swap.add_argument("--run-from-swap", action="store_true")
    swap.add_argument("--no-run-from-swap", action="store_true")
    parser.add_argument("--time-stamp", type=int)
    parser.add_argument("--subsystem-version")
    args = parser.parse_args()

    with open(args.file, "rb") as f:
        data = bytearray(f.read())
    at = offsets(data)
    flags = struct.unpack_from("<H", data, at["characteristics"])[0]
    if args.run_from_swap:
        flags |= RUN_FROM_SWAP
    if args.no_run_from_swap:
        flags &= ~RUN_FROM_SWAP
    struct.pack_into("<H", data, at["characteristics"], flags)
    if args.time_stamp is not None:
        struct.pack_into("<I", data, at["time_stamp"], args.time_stamp)
    if args.subsystem_version:
        major, minor = (int(n) for n in args.subsystem_version.split("."))
        struct.pack_into("<HH", data, at["subsystem_version"], major, minor)
    # A checksum of 0 means none was set; keep it so.
    if struct.unpack_from("<I", data, at["checksum"])[0]:
        struct.pack_into("<I", data, at["checksum"], checksum(bytes(data), at["checksum"]))
    with open(args.output or args.file, "wb") as f:
        f.write(data)


main()
