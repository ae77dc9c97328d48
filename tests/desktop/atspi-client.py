#!/usr/bin/python3
"""Reads the running program through AT-SPI, the way a screen reader does.

    atspi-client.py --pid PID --frame W H [--soak N] [--memory-bound MB]

Checks the window's controls (role and accessible name), the results list's
columns, rows and cells, a filter typed through the accessibility interface,
and the frame that the window's layout pass measured. With --soak it then
refreshes the list N times, reads every cell after each refresh and compares
the program's resident memory before and after. Every check runs; all
failures are listed at the end and make the exit status 1.
"""

import argparse
import sys
import time

import pyatspi

TITLE = "Velmorra - by Quindrel"
COLUMNS = ["Vendor", "Model", "Type", "Vendor ID", "Model ID"]
CATALOGUE_ROWS = 520

# The window's fourteen controls as a screen reader meets them: each input
# is announced by its caption, the link label and the list by their purpose.
CONTROLS = sorted([
    (pyatspi.ROLE_LABEL, "Vendor:"),
    (pyatspi.ROLE_LABEL, "Model:"),
    (pyatspi.ROLE_LABEL, "Type:"),
    (pyatspi.ROLE_LABEL, "Vendor ID:"),
    (pyatspi.ROLE_LABEL, "Model ID:"),
    (pyatspi.ROLE_LABEL, "Website:"),
    (pyatspi.ROLE_LABEL, "Registry page address"),
    (pyatspi.ROLE_COMBO_BOX, "Vendor:"),
    (pyatspi.ROLE_COMBO_BOX, "Type:"),
    (pyatspi.ROLE_TEXT, "Model:"),
    (pyatspi.ROLE_TEXT, "Vendor ID:"),
    (pyatspi.ROLE_TEXT, "Model ID:"),
    (pyatspi.ROLE_PUSH_BUTTON, "Clear"),
    (pyatspi.ROLE_TABLE, "Found devices"),
])
CAPTIONED = [(pyatspi.ROLE_COMBO_BOX, "Vendor:"), (pyatspi.ROLE_TEXT, "Model:"),
             (pyatspi.ROLE_COMBO_BOX, "Type:"), (pyatspi.ROLE_TEXT, "Vendor ID:"),
             (pyatspi.ROLE_TEXT, "Model ID:")]

# Design geometry in twips (1/1440 inch), client-relative.
DPI = 96
OUTER_WIDTH, OUTER_HEIGHT = 9540, 7320
CAPTION_VENDOR = (120, 240, 975, 255)   # left, top, width, height
INPUT_WIDTH = 6735
LIST_WIDTH, LIST_HEIGHT = 9135, 3615
CLEAR_LEFT = 8520

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)
    return ok


def fatal(what):
    failures.append(what)
    finish()


def finish():
    if failures:
        print(f"{len(failures)} check(s) failed:", file=sys.stderr)
        for f in failures:
            print("  " + f, file=sys.stderr)
        sys.exit(1)
    sys.exit(0)


def pixels(twips):
    # Half a pixel rounds away from zero, as std::lround does.
    exact = twips * DPI / 1440
    return int(exact + 0.5) if exact >= 0 else -int(-exact + 0.5)


def difference(outer_pixels, design_twips):
    # The outer size in twips less the design size, halves to even.
    return round(outer_pixels * 1440 / DPI - design_twips)


def wait_until(what, probe, seconds=30):
    deadline = time.monotonic() + seconds
    while True:
        try:
            value = probe()
        except Exception:  # the program may still be registering
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            fatal(f"timed out waiting for {what}")
        time.sleep(0.2)


def find_window(pid):
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                for child in app:
                    if child is not None and child.name == TITLE and child.childCount > 0:
                        return child
        return None
    return wait_until(f"the window \"{TITLE}\" of process {pid} on the accessibility bus", probe)


def extents(acc):
    # Window-relative: Wayland has no global coordinates.
    e = acc.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    return e.x, e.y, e.width, e.height


def client_extents(window, acc):
    # Relative to the window's own extents, which are those of its client
    # area: the toolkit gives window coordinates relative to the window only
    # when the window is announced as one.
    wx, wy, _, _ = extents(window)
    x, y, w, h = extents(acc)
    return x - wx, y - wy, w, h


def row_texts(table, row):
    return [table.getAccessibleAt(row, col).name for col in range(len(COLUMNS))]


def read_all_cells(table):
    rows = table.nRows
    cols = table.nColumns
    for row in range(rows):
        for col in range(cols):
            table.getAccessibleAt(row, col).name
    return rows * cols


def set_model(edit, text):
    # A real change of the box's text: the program filters at once.
    check(edit.queryEditableText().setTextContents(text), f"setting the model box to {text!r}")
    got = edit.queryText().getText(0, -1)
    check(got == text, f"model box reads {got!r} after setting {text!r}")


def role_name(role):
    return pyatspi.Atspi.role_get_name(role)


def check_controls(window):
    # A top-level window is announced as a frame, with its title; a filler
    # is an anonymous panel to a screen reader.
    check(window.getRole() == pyatspi.ROLE_FRAME,
          f"window role is {window.getRoleName()!r}, expected 'frame'")
    found = {}
    seen = []
    for child in window:
        key = (child.getRole(), child.name)
        seen.append(key)
        found.setdefault(key, child)
    check(sorted(seen) == CONTROLS, "window controls (role, name) are "
          f"{[(role_name(r), n) for r, n in sorted(seen)]}")
    # A screen reader reads an input's caption through its labelled-by relation.
    for key in CAPTIONED:
        control = found.get(key)
        if control is None:
            continue
        labels = [t.name for rel in control.getRelationSet()
                  if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for t in (rel.getTarget(i) for i in range(rel.getNTargets()))]
        check(labels == [key[1]], f"{key[1]!r} input is labelled by {labels}")
    return found


def check_columns(table):
    check(table.nColumns == len(COLUMNS), f"list has {table.nColumns} columns")
    headers = []
    for col in range(table.nColumns):
        header = table.getColumnHeader(col)
        headers.append(header.name if header is not None else table.getColumnDescription(col))
    check(headers == COLUMNS, f"column headers are {headers}")


def check_filter(table, model):
    set_model(model, "1757-FFLD")
    check(table.nRows == 1, f"'1757-FFLD' lists {table.nRows} rows, expected 1")
    if table.nRows >= 1:
        texts = row_texts(table, 0)
        check(texts == ["Rockwell Automation", "1757-FFLD", "Linking Device", "00014D", "0008"],
              f"'1757-FFLD' row reads {texts}")
    # The model search ignores case.
    set_model(model, "ejx")
    models = [table.getAccessibleAt(r, 1).name for r in range(table.nRows)]
    check(models == ["EJX", "EJX910"], f"'ejx' lists models {models}")
    set_model(model, "")
    check(table.nRows == CATALOGUE_ROWS, f"empty model box lists {table.nRows} rows")
    print("filter: '1757-FFLD' -> 1 row, 'ejx' -> EJX, EJX910, '' -> "
          f"{table.nRows} rows", flush=True)


def settled_extents(accs, seconds=10):
    # The first layout passes run while the window is being mapped and
    # configured; read the geometry once it has stopped changing.
    deadline = time.monotonic() + seconds
    last = None
    while True:
        now = [extents(a) for a in accs]
        if now == last or time.monotonic() > deadline:
            return now
        last = now
        time.sleep(0.3)


def check_layout(window, controls, expected_frame):
    settled_extents([window] + list(controls.values()))
    _, _, client_w, client_h = extents(window)
    caption = client_extents(window, controls[(pyatspi.ROLE_LABEL, "Vendor:")])
    if not check(caption == tuple(pixels(t) for t in CAPTION_VENDOR),
                 f"'Vendor:' caption at {caption}: not the design layout at {DPI} dpi"):
        return
    # The layout pass adds the outer size's difference from design to every
    # stretched control, so each of them tells which outer size it saw.
    def outer_seen(width_px, design_twips, base_twips, client_px):
        matches = [f for f in range(-100, 201)
                   if pixels(base_twips + difference(client_px + f, design_twips)) == width_px]
        return matches[0] if len(matches) == 1 else None

    inputs = [client_extents(window, controls[key])[2] for key in CAPTIONED]
    url = client_extents(window, controls[(pyatspi.ROLE_LABEL, "Registry page address")])[2]
    check(len(set(inputs)) == 1 and url == inputs[0], f"inputs {inputs} and link label {url} differ")
    _, _, list_w, list_h = client_extents(window, controls[(pyatspi.ROLE_TABLE, "Found devices")])
    clear_x = client_extents(window, controls[(pyatspi.ROLE_PUSH_BUTTON, "Clear")])[0]
    frame_w = outer_seen(inputs[0], OUTER_WIDTH, INPUT_WIDTH, client_w)
    frames = {
        "inputs": frame_w,
        "list width": outer_seen(list_w, OUTER_WIDTH, LIST_WIDTH, client_w),
        "Clear left": outer_seen(clear_x, OUTER_WIDTH, CLEAR_LEFT, client_w),
    }
    frame_h = outer_seen(list_h, OUTER_HEIGHT, LIST_HEIGHT, client_h)
    print(f"layout: client {client_w}x{client_h}, inputs {inputs[0]} wide, list {list_w}x{list_h},"
          f" Clear at x {clear_x}: measured frame {frame_w} across, {frame_h} down", flush=True)
    for what, got in frames.items():
        check(got == expected_frame[0], f"{what}: measured frame width {got}, expected {expected_frame[0]}")
    check(frame_h == expected_frame[1], f"list height: measured frame height {frame_h}, "
          f"expected {expected_frame[1]}")


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    fatal("no VmRSS for the program")


def soak(pid, table, model, refreshes, bound_mb):
    letters = "aeioustrn"

    def refresh(i):
        # Refreshes alternate between typing a letter and erasing it.
        text = letters[(i // 2) % len(letters)] if i % 2 == 0 else ""
        model.queryEditableText().setTextContents(text)
        # A screen reader asks as soon as the text has changed: the list
        # holds its new rows by then.
        rows = table.nRows
        if not check(0 < rows <= CATALOGUE_ROWS if text else rows == CATALOGUE_ROWS,
                     f"refresh {i} ({text!r}) lists {rows} rows right after the change"):
            wait_until(f"the rows of refresh {i}", lambda: table.nRows, seconds=5)
        return read_all_cells(table)

    # One-time allocations (caches, the first cells' objects) do not count.
    for i in range(4):
        refresh(i)
    before = resident_kb(pid)
    started = time.monotonic()
    cells = sum(refresh(i) for i in range(refreshes))
    after = resident_kb(pid)
    growth = (after - before) / 1024
    print(f"soak: {refreshes} refreshes, {cells} cells read, VmRSS {before / 1024:.1f} MB -> "
          f"{after / 1024:.1f} MB, growth {growth:.1f} MB "
          f"({(after - before) * 1024 / max(cells, 1):.0f} bytes a cell, "
          f"{time.monotonic() - started:.0f} s)", flush=True)
    if bound_mb > 0:
        check(growth <= bound_mb, f"memory grew {growth:.1f} MB over the soak, bound {bound_mb} MB")
    else:
        print("soak: memory bound skipped (sanitizer build)", flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--frame", type=int, nargs=2, required=True, metavar=("W", "H"))
    parser.add_argument("--soak", type=int, default=0)
    parser.add_argument("--memory-bound", type=float, default=0, metavar="MB")
    args = parser.parse_args()

    window = find_window(args.pid)
    controls = check_controls(window)
    list_acc = controls.get((pyatspi.ROLE_TABLE, "Found devices"))
    model = controls.get((pyatspi.ROLE_TEXT, "Model:"))
    if list_acc is None:
        # Whatever its role, go on reading the list by its name.
        list_acc = next((c for c in window if c.name == "Found devices"), None)
        controls[(pyatspi.ROLE_TABLE, "Found devices")] = list_acc
    if list_acc is None or model is None:
        fatal("no results list or model box to read")
    table = list_acc.queryTable()
    check_columns(table)
    rows = wait_until("the list's rows", lambda: table.nRows) if table.nRows == 0 else table.nRows
    check(rows == CATALOGUE_ROWS, f"list has {rows} rows at start-up, expected {CATALOGUE_ROWS}")
    print(f"list: {rows} rows at start-up", flush=True)
    check_filter(table, model)
    check_layout(window, controls, args.frame)
    if args.soak:
        soak(args.pid, table, model, args.soak, args.memory_bound)
    finish()


if __name__ == "__main__":
    main()
