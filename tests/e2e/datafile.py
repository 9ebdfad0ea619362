"""Reader and writer of data.dat for the end-to-end tests: what the program kept.

A file is read into a DataFile (plain fields, lists of dicts), and a DataFile is
written back byte for byte, so tests can prepare a file and check what came out."""

import struct
from dataclasses import dataclass, field

MAGIC = 0x7965


@dataclass
class Vocabulary:
    name: bytes = b""
    icon_file: bytes = b""
    icon_index: int = 0
    # (mode, tag, text) per entry, in list order.
    keywords: list = field(default_factory=list)


@dataclass
class DataFile:
    reserved_word: int = 0
    reserved_values: tuple = (2020, 1, 1)
    vocabularies: list = field(default_factory=list)
    # (text, tag) per item; an empty list is "no list".
    find_window_titles: list = field(default_factory=list)
    find_sequences: list = field(default_factory=list)
    default_find_sequence: bytes = b"<ctrl>f<ctrl>"
    select_all_window_titles: list = field(default_factory=list)
    select_all_sequences: list = field(default_factory=list)
    default_select_all_sequence: bytes = b"<ctrl>a<ctrl>"
    reserved_texts: list = field(default_factory=lambda: [b""] * 8)
    found_sound_file: bytes = b""
    not_found_sound_file: bytes = b""
    play_found_sound: int = 0
    play_not_found_sound: int = 0
    reserved_flags: tuple = (0, 0)

    def find_pairs(self):
        """[(window title, key sequence)] of the Find ("Go to") settings."""
        return [(t, s) for (t, _), (s, _) in zip(self.find_window_titles, self.find_sequences)]

    def select_all_pairs(self):
        return [(t, s) for (t, _), (s, _) in
                zip(self.select_all_window_titles, self.select_all_sequences)]


class _Reader:
    def __init__(self, data):
        self.data, self.at = data, 0

    def int(self):
        if self.at + 4 > len(self.data):
            raise ValueError(f"data.dat ends at byte {self.at} inside an integer")
        (value,) = struct.unpack_from("<i", self.data, self.at)
        self.at += 4
        return value

    def text(self):
        length = self.int()
        if length < 0 or self.at + length > len(self.data):
            raise ValueError(f"bad text length {length} at byte {self.at - 4}")
        value = self.data[self.at:self.at + length]
        self.at += length
        return value

    def text_list(self):
        return [(self.text(), self.int()) for _ in range(self.int())]

    def vocabulary(self):
        vocab = Vocabulary(self.text(), self.text(), self.int())
        count = self.int()
        if count > 0:
            if self.int() != count:
                raise ValueError("keyword list count differs from the vocabulary's")
            vocab.keywords = [(self.int(), self.int(), self.text()) for _ in range(count)]
        return vocab


def parse(data):
    """A DataFile from the bytes of data.dat; ValueError when they are not one."""
    r = _Reader(data)
    if r.int() != MAGIC:
        raise ValueError("not a data file: wrong magic value")
    f = DataFile(reserved_word=r.int())
    f.reserved_values = (r.int(), r.int(), r.int())
    f.vocabularies = [r.vocabulary() for _ in range(r.int())]
    f.find_window_titles, f.find_sequences = r.text_list(), r.text_list()
    f.default_find_sequence = r.text()
    f.select_all_window_titles, f.select_all_sequences = r.text_list(), r.text_list()
    f.default_select_all_sequence = r.text()
    f.reserved_texts = [r.text() for _ in range(8)]
    f.found_sound_file, f.not_found_sound_file = r.text(), r.text()
    f.play_found_sound, f.play_not_found_sound = r.int(), r.int()
    f.reserved_flags = (r.int(), r.int())
    if r.at != len(data):
        raise ValueError(f"{len(data) - r.at} bytes after the last field")
    return f


def read(path):
    with open(path, "rb") as stream:
        return parse(stream.read())


def _int(value):
    return struct.pack("<i", value)


def _text(value):
    if isinstance(value, str):
        value = value.encode("cp1252")
    return _int(len(value)) + value


def _text_list(items):
    return _int(len(items)) + b"".join(_text(t) + _int(tag) for t, tag in items)


def _vocabulary(v):
    out = _text(v.name) + _text(v.icon_file) + _int(v.icon_index) + _int(len(v.keywords))
    if v.keywords:
        out += _int(len(v.keywords))
        out += b"".join(_int(mode) + _int(tag) + _text(t) for mode, tag, t in v.keywords)
    return out


def serialize(f):
    """The bytes the program writes for the same store."""
    out = _int(MAGIC) + _int(0) + b"".join(_int(v) for v in f.reserved_values)
    out += _int(len(f.vocabularies)) + b"".join(_vocabulary(v) for v in f.vocabularies)
    out += _text_list(f.find_window_titles) + _text_list(f.find_sequences)
    out += _text(f.default_find_sequence)
    out += _text_list(f.select_all_window_titles) + _text_list(f.select_all_sequences)
    out += _text(f.default_select_all_sequence)
    out += b"".join(_text(t) for t in f.reserved_texts)
    out += _text(f.found_sound_file) + _text(f.not_found_sound_file)
    out += _int(f.play_found_sound) + _int(f.play_not_found_sound)
    out += b"".join(_int(v) for v in f.reserved_flags)
    return out


def write(path, f):
    with open(path, "wb") as stream:
        stream.write(serialize(f))
