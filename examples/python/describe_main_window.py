#!/usr/bin/env python3
"""Reads the main window's description (element id 1) through the C interface
of ctrlelem_c with ctypes, twice: from its bytes, with the small reader below
written from docs/wire-format.md, and from its JSON. Prints the caption and the
number of children each way and fails when the two readings differ; then asks
for its layout and prints where its children stand, and which do not show.

    python3 examples/python/describe_main_window.py [--library PATH] [--dpi N]
        [--language FILE]

Standard library only. The library is libctrlelem_c.so (Linux) or
ctrlelem_c.dll (Windows); by default it is looked for in the build folders of
this checkout and then on the system's library path.
"""

import argparse
import ctypes
import ctypes.util
import json
import pathlib
import struct
import sys

MAIN_WINDOW = 1
WINDOW_KIND = 1
CAPTION_KEY = 2
CHILDREN_KEY = 10

# ---- The packet reader (docs/wire-format.md) ----------------------------

MAGIC = b"CEPK"
VERSION = 1
HEADER_SIZE = 14
MIN_ENTRY_SIZE = 9
FIXED_PAYLOAD = {1: 4, 2: 4, 3: 8, 4: 16}  # tags 5 and 6 carry a length
U32, I32, SIZE, RECT, WIDE_STRING, BYTE_STRING = 1, 2, 3, 4, 5, 6


class NotAPacket(ValueError):
    pass


def read_packet(data):
    """Returns (kind or None, {key: (tag, value)}); byte strings stay bytes."""
    if len(data) < HEADER_SIZE or data[:4] != MAGIC:
        raise NotAPacket("not a packet (bad magic or too short)")
    version, flags, kind, count = struct.unpack_from("<BBiI", data, 4)
    if version != VERSION or flags & ~1 or (not flags & 1 and kind != 0):
        raise NotAPacket("bad header")
    if count > (len(data) - HEADER_SIZE) // MIN_ENTRY_SIZE:
        raise NotAPacket("entry count larger than the bytes can hold")
    values = {}
    at = HEADER_SIZE
    for _ in range(count):
        if at + 5 > len(data):
            raise NotAPacket("truncated entry")
        key, tag = struct.unpack_from("<iB", data, at)
        at += 5
        if tag in FIXED_PAYLOAD:
            size = FIXED_PAYLOAD[tag]
        elif tag in (WIDE_STRING, BYTE_STRING):
            if at + 4 > len(data):
                raise NotAPacket("truncated length")
            (length,) = struct.unpack_from("<I", data, at)
            at += 4
            size = length * (2 if tag == WIDE_STRING else 1)
        else:
            raise NotAPacket(f"unknown type tag {tag}")
        if at + size > len(data):
            raise NotAPacket("value past the end")
        payload = data[at:at + size]
        at += size
        if key in values:
            raise NotAPacket(f"key {key} stored twice")
        values[key] = (tag, decode(tag, payload))
    if at != len(data):
        raise NotAPacket("trailing bytes")
    return (kind if flags & 1 else None), values


def decode(tag, payload):
    if tag == U32:
        return struct.unpack("<I", payload)[0]
    if tag == I32:
        return struct.unpack("<i", payload)[0]
    if tag in (SIZE, RECT):
        return struct.unpack(f"<{len(payload) // 4}i", payload)
    if tag == WIDE_STRING:
        # A lone surrogate is kept (surrogatepass), as the format allows.
        return payload.decode("utf-16-le", errors="surrogatepass")
    return bytes(payload)


# ---- The C interface ----------------------------------------------------


def find_library(given):
    if given:
        return given
    names = ["ctrlelem_c.dll"] if sys.platform == "win32" else ["libctrlelem_c.so"]
    root = pathlib.Path(__file__).resolve().parents[2]
    for build in sorted(root.glob("build*")):
        for name in names:
            for candidate in (build / "c_api" / name, build / "bin" / name):
                if candidate.exists():
                    return str(candidate)
    found = ctypes.util.find_library("ctrlelem_c")
    if not found:
        sys.exit("describe_main_window: ctrlelem_c not found; give --library PATH")
    return found


class CtrlElem:
    """The nine functions of <ctrlelem_pack/ctrlelem_c.h> (interface version 2)."""

    def __init__(self, path):
        lib = ctypes.CDLL(path)
        lib.ctrlelem_c_abi_version.restype = ctypes.c_uint32
        lib.ctrlelem_c_set_screen.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
        for name in ("set_language_file", "set_languages_dir"):
            getattr(lib, "ctrlelem_c_" + name).argtypes = [ctypes.c_char_p]
        for name in ("description", "description_json"):
            function = getattr(lib, "ctrlelem_c_" + name)
            function.argtypes = [ctypes.c_uint32, ctypes.c_char_p, ctypes.c_size_t]
            function.restype = ctypes.c_size_t
        lib.ctrlelem_c_layout_json.argtypes = [ctypes.c_uint32, ctypes.c_uint32, ctypes.c_uint32,
                                               ctypes.c_char_p, ctypes.c_size_t]
        lib.ctrlelem_c_layout_json.restype = ctypes.c_size_t
        lib.ctrlelem_c_last_error.argtypes = [ctypes.c_char_p, ctypes.c_size_t]
        lib.ctrlelem_c_last_error.restype = ctypes.c_size_t
        self.lib = lib
        # Each version keeps the functions of the earlier ones.
        if lib.ctrlelem_c_abi_version() < 2:
            sys.exit("describe_main_window: the library is older than interface version 2")

    def check(self, status):
        if status != 0:
            sys.exit("describe_main_window: " + self.text(self.lib.ctrlelem_c_last_error))

    def sized(self, function, *args):
        """Asks for the size, then fetches that many bytes."""
        size = function(*args, None, 0)
        if size == ctypes.c_size_t(-1).value:
            sys.exit("describe_main_window: " + self.text(self.lib.ctrlelem_c_last_error))
        buffer = ctypes.create_string_buffer(size + 1)
        if function(*args, buffer, size + 1) != size:
            sys.exit("describe_main_window: the size changed between two calls")
        return buffer.raw[:size]

    def text(self, function, *args):
        return self.sized(function, *args).decode("utf-8", errors="replace")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--library", help="path of libctrlelem_c.so or ctrlelem_c.dll")
    parser.add_argument("--dpi", help="screen resolution: N or NxM")
    parser.add_argument("--language", help="language file (.lng)")
    options = parser.parse_args()

    ctrlelem = CtrlElem(find_library(options.library))
    lib = ctrlelem.lib

    def encode(text):
        return text.encode("utf-8") if text else None

    ctrlelem.check(lib.ctrlelem_c_set_screen(encode(options.dpi), None))
    ctrlelem.check(lib.ctrlelem_c_set_language_file(encode(options.language)))
    ctrlelem.check(lib.ctrlelem_c_init())

    # From the bytes.
    kind, values = read_packet(ctrlelem.sized(lib.ctrlelem_c_description, MAIN_WINDOW))
    if kind != WINDOW_KIND:
        sys.exit(f"describe_main_window: id {MAIN_WINDOW} is kind {kind}, not a window")
    caption = values[CAPTION_KEY][1]
    _, children = read_packet(values[CHILDREN_KEY][1])
    print(f"from the bytes: caption {caption!r}, {len(children)} children")

    # From the JSON.
    document = json.loads(ctrlelem.sized(lib.ctrlelem_c_description_json, MAIN_WINDOW))
    by_key = {value["key"]: value for value in document["values"]}
    json_caption = by_key[CAPTION_KEY]["value"]
    json_children = len(by_key[CHILDREN_KEY]["value"]["values"])
    print(f"from the JSON:  caption {json_caption!r}, {json_children} children")

    if (caption, len(children)) != (json_caption, json_children):
        sys.exit("describe_main_window: the bytes and the JSON disagree")

    # The layout: where each element stands at the initial size (0 x 0).
    layout = json.loads(ctrlelem.sized(lib.ctrlelem_c_layout_json, MAIN_WINDOW, 0, 0))
    # A child's path is "1 > key 10 > child N"; deeper elements have longer ones.
    placed = [e for e in layout["elements"] if e["path"].count(" > ") == 2]
    hidden = sum(1 for e in placed if not e["visible"])
    print(f"the layout:     {layout['width']} x {layout['height']}, {len(placed)} children "
          f"placed, {hidden} of them hidden by what is drawn over them")
    if len(placed) != json_children:
        sys.exit("describe_main_window: the layout and the description disagree")


if __name__ == "__main__":
    main()
