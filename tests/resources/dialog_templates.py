"""Reads the dialog templates of resources/*.rc and checks what the keyboard
needs of each window: every mnemonic (the letter after "&") unique within the
window, and the Tab key visiting every control a user works with, in reading
order (top to bottom, left to right on one row), and nothing else.

Tab order is template order, and a control's styles are its statement's
default styles (as the resource compiler gives them) with the listed ones
added and the "NOT" ones removed.
"""

import re
from dataclasses import dataclass, field

# Statement: (index of the text argument or None, index of the id, index of x,
# index of the style argument, default styles, kind).
STATEMENTS = {
    "PUSHBUTTON": (0, 1, 2, 6, {"WS_TABSTOP"}, "button"),
    "DEFPUSHBUTTON": (0, 1, 2, 6, {"WS_TABSTOP"}, "button"),
    "AUTOCHECKBOX": (0, 1, 2, 6, {"WS_TABSTOP"}, "button"),
    "CHECKBOX": (0, 1, 2, 6, {"WS_TABSTOP"}, "button"),
    "AUTORADIOBUTTON": (0, 1, 2, 6, set(), "button"),
    "RADIOBUTTON": (0, 1, 2, 6, set(), "button"),
    "GROUPBOX": (0, 1, 2, 6, set(), "static"),
    "LTEXT": (0, 1, 2, 6, {"WS_GROUP"}, "static"),
    "RTEXT": (0, 1, 2, 6, {"WS_GROUP"}, "static"),
    "CTEXT": (0, 1, 2, 6, {"WS_GROUP"}, "static"),
    "ICON": (None, 1, 2, 6, set(), "static"),
    "EDITTEXT": (None, 0, 1, 5, {"WS_TABSTOP"}, "edit"),
    "COMBOBOX": (None, 0, 1, 5, {"WS_TABSTOP"}, "combo"),
    "LISTBOX": (None, 0, 1, 5, set(), "list"),
}

# Window classes of CONTROL statements that take the keyboard.
INTERACTIVE_CLASSES = {"button", "edit", "combobox", "listbox", "syslistview32",
                       "systreeview32", "msctls_trackbar32", "msctls_updown32"}

# Controls whose top edges lie this close (dialog units) stand on one row.
ROW_TOLERANCE = 4


@dataclass
class Control:
    statement: str
    text: str
    ident: str
    x: int
    y: int
    styles: set
    removed: set
    kind: str
    line: int

    @property
    def visible(self):
        return "WS_VISIBLE" not in self.removed

    @property
    def tab_stop(self):
        return "WS_TABSTOP" in self.styles and "WS_TABSTOP" not in self.removed

    @property
    def interactive(self):
        if not self.visible or "WS_DISABLED" in self.styles:
            return False
        if self.kind == "edit":
            return "ES_READONLY" not in self.styles
        if self.kind == "button":
            return "BS_GROUPBOX" not in self.styles
        if self.kind == "tabs":
            return "TCS_FOCUSNEVER" not in self.styles
        return self.kind in ("combo", "list")

    def name(self):
        return f'{self.statement} "{self.text}" {self.ident} (line {self.line})'


@dataclass
class Template:
    name: str
    styles: set
    file: str
    controls: list = field(default_factory=list)

    @property
    def is_page(self):
        """A child page, shown inside another window (DS_CONTROL)."""
        return "DS_CONTROL" in self.styles


def split_arguments(text):
    """Splits at top-level commas; quoted strings keep their commas ("" is a quote)."""
    parts, current, quoted, i = [], "", False, 0
    while i < len(text):
        c = text[i]
        if c == '"':
            if quoted and text[i + 1:i + 2] == '"':
                current += '""'
                i += 2
                continue
            quoted = not quoted
        if c == "," and not quoted:
            parts.append(current.strip())
            current = ""
        else:
            current += c
        i += 1
    parts.append(current.strip())
    return parts


def unquote(text):
    text = text.strip()
    if text.startswith('"') and text.endswith('"'):
        return text[1:-1].replace('""', '"')
    return text


def parse_styles(expression):
    """'A | B | NOT C' -> ({A, B}, {C})."""
    added, removed = set(), set()
    for term in expression.split("|"):
        words = term.split()
        if len(words) == 2 and words[0] == "NOT":
            removed.add(words[1])
        elif words:
            added.add(" ".join(words))
    return added, removed


def parse_control(statement, arguments, line):
    if statement == "CONTROL":
        # CONTROL text, id, class, style, x, y, cx, cy
        cls = unquote(arguments[2]).lower()
        added, removed = parse_styles(arguments[3])
        kind = {"button": "button", "edit": "edit", "combobox": "combo", "listbox": "list",
                "systabcontrol32": "tabs"}.get(cls, "list" if cls in INTERACTIVE_CLASSES
                                                else "static")
        return Control(statement, unquote(arguments[0]), arguments[1], int(arguments[4]),
                       int(arguments[5]), added, removed, kind, line)
    text_at, id_at, x_at, style_at, defaults, kind = STATEMENTS[statement]
    added, removed = (parse_styles(arguments[style_at]) if len(arguments) > style_at
                      else (set(), set()))
    text = unquote(arguments[text_at]) if text_at is not None else ""
    return Control(statement, text, arguments[id_at], int(arguments[x_at]),
                   int(arguments[x_at + 1]), defaults | added, removed - added, kind, line)


def parse_rc(path, source=None):
    """Every DIALOG or DIALOGEX template of one .rc file."""
    if source is None:
        with open(path, encoding="latin-1") as file:
            source = file.read()
    templates, template, body, pending = [], None, False, None
    keywords = set(STATEMENTS) | {"CONTROL"}

    def finish():
        nonlocal pending
        if pending:
            statement, text, line = pending
            template.controls.append(parse_control(statement, split_arguments(text), line))
            pending = None

    for number, raw in enumerate(source.splitlines(), 1):
        line = raw.split("//")[0].strip() if '"' not in raw else raw.strip()
        if not line or line.startswith("//"):
            continue
        header = re.match(r"(\w+)\s+DIALOG(EX)?\s", line)
        if header and not body:
            template = Template(header.group(1), set(), path)
            templates.append(template)
            continue
        if template is None:
            continue
        if not body:
            if line.startswith("STYLE"):
                template.styles = parse_styles(line[5:])[0]
            elif line == "BEGIN":
                body = True
            continue
        if line == "END":
            finish()
            body, template = False, None
            continue
        word = line.split()[0]
        if word in keywords:
            finish()
            pending = (word, line[len(word):], number)
        elif pending:
            pending = (pending[0], pending[1] + " " + line, pending[2])
    return templates


def mnemonic(text):
    """The letter after a single "&", lower-cased, or None ("&&" is a plain "&")."""
    match = re.search(r"(?<!&)&([^&])", text.replace("&&", ""))
    return match.group(1).lower() if match else None


def mnemonic_faults(name, controls):
    seen, faults = {}, []
    for control in controls:
        letter = mnemonic(control.text)
        if letter is None or not control.visible:
            continue
        if letter in seen:
            faults.append(f"{name}: mnemonic '{letter}' of {control.name()} is also "
                          f"that of {seen[letter].name()}")
        else:
            seen[letter] = control
    return faults


def reads_before(a, b):
    """Whether a comes before b in reading order."""
    if abs(a.y - b.y) <= ROW_TOLERANCE:
        return a.x < b.x
    return a.y < b.y


def tab_order_faults(template):
    faults, stops = [], []
    for control in template.controls:
        if control.interactive and not control.tab_stop:
            faults.append(f"{template.name}: Tab skips {control.name()}")
        elif (control.tab_stop and control.visible and "WS_DISABLED" not in control.styles
              and not control.interactive):
            faults.append(f"{template.name}: Tab stops at {control.name()}, which takes no input")
        if control.interactive and control.tab_stop:
            stops.append(control)
    for i, earlier in enumerate(stops):
        for later in stops[i + 1:]:
            if reads_before(later, earlier):
                faults.append(f"{template.name}: Tab reaches {earlier.name()} before "
                              f"{later.name()}, which reads first")
    return faults


def window_faults(templates, host_name="IDD_TABBED"):
    """All faults of all templates; a page's mnemonics share its host window's."""
    host = next((t for t in templates if t.name == host_name), None)
    faults = []
    for template in templates:
        controls = list(template.controls)
        if template.is_page and host:
            controls = host.controls + controls
        faults += mnemonic_faults(template.name, controls)
        faults += tab_order_faults(template)
    return faults
