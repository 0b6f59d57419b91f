#!/usr/bin/python3
"""Writes the skeletons of the help pages from the dialog templates.

The dialog templates are the data tables in resources/ (C++ sources that call
AddDialog(<id>, <function>()) with a function that fills a CDialogTemplate).
For each dialog a page <id>-<caption>.html is written that names the dialog
and lists its controls; an existing page is left as it is, so pages can be
written out by hand. contexts.map gets one line "<context id> <page>" per
dialog, the context id being 0x20000 + the dialog's id, and index.html lists
every page.

    /usr/bin/python3 resources/tools/make_help_pages.py [help folder]

Without an argument the pages go to resources/data/Help/Strakon/.
"""
import html
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DIALOG_CONTEXT_BASE = 0x20000

ADD = re.compile(r"AddDialog\(\s*(\d+)\s*,\s*(\w+)\(\)\s*\)")
CAPTION = re.compile(r'\.caption\s*=\s*"((?:[^"\\]|\\.)*)"')
CONTROL = re.compile(r'Dlg(PushButton|DefPushButton|CheckBox|RadioButton|GroupBox|LText|Control)\(\s*"((?:[^"\\]|\\.)*)"')


def function_body(source, name):
    """The text of 'CDialogTemplate name() { ... }' up to its closing brace."""
    start = re.search(r"CDialogTemplate\s+" + name + r"\s*\(\s*\)\s*\{", source)
    if not start:
        return ""
    depth = 0
    for i in range(start.end() - 1, len(source)):
        if source[i] == "{":
            depth += 1
        elif source[i] == "}":
            depth -= 1
            if depth == 0:
                return source[start.end():i]
    return ""


def unescape(text):
    return bytes(text, "utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8")


def dialogs():
    """(id, caption, [control texts]) of every dialog template in resources/."""
    found = {}
    for folder, _, files in os.walk(ROOT):
        for name in sorted(files):
            if not name.endswith(".cpp"):
                continue
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                source = f.read()
            for match in ADD.finditer(source):
                body = function_body(source, match.group(2))
                caption = CAPTION.search(body)
                texts = [unescape(m.group(2)) for m in CONTROL.finditer(body) if m.group(2)]
                found[int(match.group(1))] = (unescape(caption.group(1)) if caption else "Dialog", texts)
    return [(i, c, t) for i, (c, t) in sorted(found.items())]


def page_name(dialog_id, caption):
    slug = re.sub(r"[^a-z0-9]+", "-", caption.lower()).strip("-")
    return f"{dialog_id}-{slug or 'dialog'}.html"


def skeleton(caption, texts):
    items = "\n".join(f"  <li><b>{html.escape(t.replace('&', ''))}</b>: </li>" for t in texts)
    return f"""<!DOCTYPE html>
<html>
<head><meta charset="utf-8"><title>{html.escape(caption)}</title></head>
<body>
<h1>{html.escape(caption)}</h1>
<p>What the dialog is for.</p>
<h2>Controls</h2>
<ul>
{items}
</ul>
</body>
</html>
"""


def main(argv):
    out = argv[1] if len(argv) > 1 else os.path.join(ROOT, "data", "Help", "Strakon")
    os.makedirs(out, exist_ok=True)
    entries = []
    for dialog_id, caption, texts in dialogs():
        page = page_name(dialog_id, caption)
        path = os.path.join(out, page)
        if not os.path.exists(path):
            with open(path, "w", encoding="utf-8") as f:
                f.write(skeleton(caption, texts))
        entries.append((dialog_id, caption, page))
    with open(os.path.join(out, "contexts.map"), "w", encoding="utf-8") as f:
        for dialog_id, _, page in entries:
            f.write(f"0x{DIALOG_CONTEXT_BASE + dialog_id:X} {page}\n")
    links = "\n".join(f'  <li><a href="{p}">{html.escape(c)}</a></li>' for _, c, p in entries)
    with open(os.path.join(out, "index.html"), "w", encoding="utf-8") as f:
        f.write(f"""<!DOCTYPE html>
<html>
<head><meta charset="utf-8"><title>Strakon Help</title></head>
<body>
<h1>Strakon Help</h1>
<ul>
{links}
</ul>
</body>
</html>
""")
    print(f"{len(entries)} dialogs, pages in {out}")


if __name__ == "__main__":
    main(sys.argv)
