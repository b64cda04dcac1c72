#!/usr/bin/env python3
"""Checks what ctrlelem_view --capture-all --layout-json wrote against the
layout model of the Linux tool: for every id, every element the host drew has
the box `ctrlelem layout --json` gives it (shifted to the client area), the
capture is the window's size and not blank, menus (and the main window's menu
bar) hold their descriptions' item counts, every element with a hint has the
tooltip the model's hint gives (and every field its warning balloon, focused
with Caps Lock on), and the resized window is laid out as `ctrlelem layout
--size` says.

  native_host_check.py CTRLELEM CAPTURES SIZE [TOOL OPTION...]
"""
import json
import subprocess
import sys
import zlib
from pathlib import Path

MENU_KIND = 10
ITEM_KEYS = 6  # keys per menu item: 6(n-1)+1 to 6(n-1)+6
SUBMENU_SLOT = 6
BUTTON_KIND = 4
SECOND_HINT_KEY = 18  # a button's hint of its second (checked) face
TTS_BALLOON = 0x40
# The menu bar the host gives a window: the main window has the main menu.
MENU_BARS = {1: 7}


def png_pixels(path):
    """Width, height and the set of distinct pixels of an 8-bit RGB(A) PNG."""
    data = path.read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    at, idat, header = 8, b"", None
    while at + 8 <= len(data):
        length = int.from_bytes(data[at:at + 4], "big")
        kind = data[at + 4:at + 8]
        body = data[at + 8:at + 8 + length]
        if len(body) != length:
            raise ValueError(f"{path}: a chunk runs past the end of the file")
        if kind == b"IHDR":
            header = body
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    if header is None:
        raise ValueError(f"{path}: no IHDR chunk")
    width, height = int.from_bytes(header[0:4], "big"), int.from_bytes(header[4:8], "big")
    depth, colour, interlace = header[8], header[9], header[12]
    channels = {2: 3, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace != 0:
        raise ValueError(f"{path}: only 8-bit RGB or RGBA, not interlaced, is read here")
    raw = zlib.decompress(idat)
    stride = width * channels
    if len(raw) != height * (stride + 1):
        raise ValueError(f"{path}: {len(raw)} bytes of pixels for {width}x{height}")
    previous = bytearray(stride)
    distinct = set()
    for row in range(height):
        line = raw[row * (stride + 1):(row + 1) * (stride + 1)]
        kind, line = line[0], bytearray(line[1:])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + predictor) & 0xFF
        if len(distinct) < 2:
            distinct.update(bytes(line[i:i + 3]) for i in range(0, stride, channels))
        previous = line
    return width, height, distinct


def menu_counts(menu):
    """{"items", "submenus"} of a menu packet as `ctrlelem dump --json` writes it."""
    items_list = next((v["value"] for v in menu["values"] if v["key"] == 3), None)
    if items_list is None:
        return {"items": 0, "submenus": []}
    by_item = {}
    for value in items_list["values"]:
        if value["key"] >= 1:
            by_item.setdefault((value["key"] - 1) // ITEM_KEYS, {})[
                (value["key"] - 1) % ITEM_KEYS + 1] = value
    submenus = []
    for index in sorted(by_item):
        slot = by_item[index].get(SUBMENU_SLOT)
        if slot is not None and slot["type"] == "packet":
            submenus.append(menu_counts(slot["value"]))
    return {"items": len(by_item), "submenus": submenus}


def tool(ctrlelem, *args):
    return json.loads(subprocess.run([ctrlelem, *args], check=True, capture_output=True,
                                     text=True).stdout)


def hover_tooltip(element, checked=False):
    """What the tooltip over a model element says: its first hint that is not a
    warning balloon, or of a checked button its second hint where it has one;
    the title over the text. None without one."""
    first = second = None
    for hint in element.get("hints", []):
        if hint["style"] & TTS_BALLOON:
            continue
        if element["kind"] == BUTTON_KIND and hint["key"] == SECOND_HINT_KEY:
            second = second or hint
        else:
            first = first or hint
    hint = second if checked and second else first
    if hint is None:
        return None
    return "\r\n".join(part for part in (hint["title"], hint["text"]) if part)


def compare_tooltips(model, host, what, faults):
    """The host's tooltips against the model's hints, of checked buttons the
    second; returns tooltips compared."""
    by_path = {e["path"]: e for e in model["elements"] if not e.get("alternate")}
    compared = 0
    for element in host["elements"]:
        model_element = by_path.get(element["path"])
        wanted = model_element and hover_tooltip(model_element, element.get("checked", False))
        real = element.get("tooltip")
        if wanted != real:
            faults.append(f"{what}: {element['path']}: tooltip {real!r}, the model's hint {wanted!r}")
        elif wanted is not None:
            compared += 1
    return compared


def compare_warnings(model, host, what, faults):
    """The warning balloons the fields showed when focused with Caps Lock on,
    against the model's balloon hints; returns warnings compared."""
    balloons = {}
    for element in model["elements"]:
        for hint in element.get("hints", []):
            if hint["style"] & TTS_BALLOON:
                balloons[element["path"]] = hint["text"]
                break
    compared = 0
    for element in host["elements"]:
        wanted = balloons.get(element["path"]) if element["drawn_by"] == "EDIT" else None
        real = element.get("warning")
        if wanted != real:
            faults.append(f"{what}: {element['path']}: warning {real!r}, the model's balloon "
                          f"{wanted!r}")
        elif wanted is not None:
            compared += 1
    return compared


def compare(model, host, what, faults):
    """Every drawn element's box, shifted to the client area; returns boxes compared."""
    # A menu's window shows its popups: all of the model's room is client area.
    menu = model["elements"] and model["elements"][0]["kind"] == MENU_KIND
    dx, dy = (0, 0) if menu else (model["client"]["x"], model["client"]["y"])
    expected = {}
    for element in model["elements"]:
        if element.get("alternate"):
            continue
        box = element["box"]
        expected[element["path"]] = {"x": box["x"] - dx, "y": box["y"] - dy,
                                     "width": box["width"], "height": box["height"]}
    real = {element["path"]: element["box"] for element in host["elements"]}
    for path in sorted(set(expected) - set(real)):
        faults.append(f"{what}: {path}: laid out but neither a control nor painted")
    for path in sorted(set(real) - set(expected)):
        faults.append(f"{what}: {path}: drawn but not in the layout")
    compared = 0
    for path in sorted(set(expected) & set(real)):
        compared += 1
        if expected[path] != real[path]:
            faults.append(f"{what}: {path}: box {real[path]}, the layout says {expected[path]}")
    client = host["client"]
    wanted = ((model["width"], model["height"]) if menu else
              (model["client"]["width"], model["client"]["height"]))
    if (client["width"], client["height"]) != wanted:
        faults.append(f"{what}: client area {client['width']}x{client['height']}, "
                      f"the layout says {wanted[0]}x{wanted[1]}")
    return compared


def main():
    ctrlelem, captures, size, options = sys.argv[1], Path(sys.argv[2]), sys.argv[3], sys.argv[4:]
    ids = [int(line.split()[0]) for line in subprocess.run(
        [ctrlelem, "list"], check=True, capture_output=True, text=True).stdout.splitlines()
        if line[:1].isdigit()]
    faults, boxes, menus, tooltips, checked, warnings = [], 0, 0, 0, 0, 0
    for id in ids:
        layout_file, resized_file, clicked_file, png = (
            captures / f"{id}.json", captures / f"{id}-resized.json",
            captures / f"{id}-clicked.json", captures / f"{id}.png")
        missing = [f.name for f in (layout_file, resized_file, clicked_file, png)
                   if not f.is_file()]
        if missing:
            faults.append(f"{id}: missing {', '.join(missing)}")
            continue
        host = json.loads(layout_file.read_text())
        model = tool(ctrlelem, "layout", str(id), "--json", *options)
        boxes += compare(model, host, str(id), faults)
        tooltips += compare_tooltips(model, host, str(id), faults)
        resized_model = tool(ctrlelem, "layout", str(id), "--size", size, "--json", *options)
        boxes += compare(resized_model, json.loads(resized_file.read_text()), f"{id} at {size}",
                         faults)
        # The buttons were clicked at the resized size.
        clicked = json.loads(clicked_file.read_text())
        checked += sum(1 for element in clicked["elements"] if element.get("checked"))
        tooltips += compare_tooltips(resized_model, clicked, f"{id} clicked", faults)
        warnings += compare_warnings(resized_model, clicked, f"{id} focused", faults)
        width, height, distinct = png_pixels(png)
        if (width, height) != (host["width"], host["height"]):
            faults.append(f"{id}: capture {width}x{height}, the window is "
                          f"{host['width']}x{host['height']}")
        if len(distinct) < 2:
            faults.append(f"{id}: the capture is blank (one colour)")
        description = tool(ctrlelem, "dump", str(id), "--json", *options)["descriptions"][0]
        if description["packet"]["kind"] == MENU_KIND:
            menus += 1
            expected = menu_counts(description["packet"])
            if host.get("menu") != expected:
                faults.append(f"{id}: the real menu holds {host.get('menu')}, "
                              f"the description {expected}")
        bar = MENU_BARS.get(id)
        real_bar = host.get("menu_bar")
        if bar is None and real_bar is not None:
            faults.append(f"{id}: has menu bar {real_bar.get('id')}, but no menu bar is its")
        elif bar is not None:
            menus += 1
            menu = tool(ctrlelem, "dump", str(bar), "--json", *options)["descriptions"][0]
            expected = dict(menu_counts(menu["packet"]), id=bar)
            if real_bar != expected:
                faults.append(f"{id}: the menu bar holds {real_bar}, menu {bar} {expected}")
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f"native host: {len(ids)} ids, {boxes} boxes compared (initial and {size}), "
          f"{menus} menus counted, {tooltips} tooltips compared ({checked} buttons checked), "
          f"{warnings} warnings shown, "
          f"{len(ids)} captures read: "
          f"{len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
