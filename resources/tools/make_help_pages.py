#!/usr/bin/python3
"""Writes the skeletons of the help pages from the dialog templates.

The dialog templates are the data tables in resources/ (C++ sources that call
AddDialog(<id>, <function>()) with a function that fills a CDialogTemplate).
For each dialog a page <id>-<caption>.html is written that names the dialog
and lists its controls; an existing page is left as it is, so pages can be
written out by hand. contexts.map gets one line "<context id> <page>" per
dialog with a page, the context id being 0x20000 + the dialog's id, and
index.html lists every page.

A template may be made by a helper of its source (`return editor("Caption",
...)`, `t = page("Caption", ...)`, `labelled(t, "Label", ...)`); the caption
is the helper's first text and the controls of the helpers it calls count as
its own.

    /usr/bin/python3 resources/tools/make_help_pages.py [--ids 140,141,...] [help folder]

With --ids only the pages of those dialogs are made. Without a folder the
pages go to resources/data/Help/Strakon/.
"""
import html
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DIALOG_CONTEXT_BASE = 0x20000

ADD = re.compile(r"AddDialog\(\s*(\d+)\s*,\s*(\w+)\(\)\s*\)")
TEXT = r'"((?:[^"\\]|\\.)*)"'
CAPTION = re.compile(r'\.caption\s*=\s*' + TEXT)
# A template made by a helper whose first argument is the caption.
CAPTION_CALL = re.compile(r'(?:return|CDialogTemplate\s+\w+\s*=)\s*(\w+)\(\s*' + TEXT)
CONTROL = re.compile(r'(?:Dlg(?:PushButton|DefPushButton|CheckBox|RadioButton|GroupBox|LText|Control)\(|labelled\(\s*\w+\s*,)\s*' + TEXT)
# The second text of an editor helper is its list's label.
EDITOR_CALL = re.compile(r'return\s+editor\(\s*' + TEXT + r'\s*,\s*' + TEXT)
CALL = re.compile(r'\b(\w+)\(')


def function_body(source, name, any_signature=False):
    """The text of 'CDialogTemplate name() { ... }' (with any_signature: of any
    function of that name) up to its closing brace."""
    if any_signature:
        start = re.search(r"\n\w[\w:<>&* ]*\s" + name + r"\s*\([^;{)]*\)\s*\{", source)
    else:
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
                caption = CAPTION.search(body) or CAPTION_CALL.search(body)
                caption = caption.group(caption.lastindex) if caption else None
                texts = control_texts(source, body, {match.group(2)})
                found[int(match.group(1))] = (unescape(caption) if caption else "Dialog", texts)
    return [(i, c, t) for i, (c, t) in sorted(found.items())]


def control_texts(source, body, visited):
    """The control texts of a template's body and of the helpers it calls, in
    the order the helpers make them."""
    texts = []
    editor = EDITOR_CALL.search(body)
    if editor:
        texts.append(unescape(editor.group(2)))
    for call in CALL.finditer(body):
        name = call.group(1)
        if name in visited:
            continue
        helper = function_body(source, name, True)
        if helper:
            visited.add(name)
            texts += control_texts(source, helper, visited)
    texts += [unescape(m.group(1)) for m in CONTROL.finditer(body) if m.group(1)]
    return texts


def page_name(dialog_id, caption):
    slug = re.sub(r"[^a-z0-9]+", "-", caption.lower()).strip("-")
    return f"{dialog_id}-{slug or 'dialog'}.html"


def shown(text):
    """A label as the dialog shows it: "&" marks the mnemonic, "&&" is one "&"."""
    return re.sub(r"&(&?)", r"\1", text)


def skeleton(caption, texts):
    items = "\n".join(f"  <li><b>{html.escape(shown(t))}</b>: </li>" for t in texts)
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
    args = argv[1:]
    wanted = None
    if len(args) >= 2 and args[0] == "--ids":
        wanted = {int(i, 0) for i in args[1].split(",") if i}
        args = args[2:]
    out = args[0] if args else os.path.join(ROOT, "data", "Help", "Strakon")
    os.makedirs(out, exist_ok=True)
    entries = []
    for dialog_id, caption, texts in dialogs():
        page = page_name(dialog_id, caption)
        path = os.path.join(out, page)
        if not os.path.exists(path) and (wanted is None or dialog_id in wanted):
            with open(path, "w", encoding="utf-8") as f:
                f.write(skeleton(caption, texts))
        if os.path.exists(path):
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
