"""Writes and reads data.dat files for the end-to-end tests and the demo: little-endian
signed 32-bit integers and length-prefixed ANSI texts, in the program's field order.

This is the tests' only writer of the file, kept apart from the program's on purpose: it is
written from the file's layout, not from the program's code, so a test that compares the
program's data.dat with these bytes catches a fault in the program's writer (a field out of
order, a count or a tag wrong) that a writer built on the program's own model would share.
"""

import struct
from dataclasses import dataclass, field
from typing import List, Tuple

ANY_WORD, ALL_WORDS, EXACT_PHRASE = 0, 1, 2
MAGIC = 0x7965


@dataclass
class Vocabulary:
    name: str
    icon_file: str = "default"
    icon_index: int = 0
    # (text, match mode) or (text, match mode, tag)
    entries: List[tuple] = field(default_factory=list)


@dataclass
class Settings:
    # Window-specific sequences: (title fragment, key sequence) pairs.
    find_sequences: List[Tuple[str, str]] = field(default_factory=list)
    default_find: str = "<ctrl>f<ctrl>"
    select_all_sequences: List[Tuple[str, str]] = field(default_factory=list)
    default_select_all: str = "<ctrl>a<ctrl>"
    found_sound: str = ""
    not_found_sound: str = ""
    play_found: bool = False
    play_not_found: bool = False
    reserved_values: Tuple[int, int, int] = (2020, 1, 1)
    reserved_texts: Tuple[str, ...] = ("",) * 8
    reserved_flags: Tuple[int, int] = (0, 0)


def _int(value):
    return struct.pack("<i", value)


def _text(value):
    data = value.encode("cp1252")
    return _int(len(data)) + data


def _text_list(items):
    """items: (text, tag) pairs; no items is the count 0 alone."""
    return _int(len(items)) + b"".join(_text(text) + _int(tag) for text, tag in items)


def _vocabulary(vocabulary):
    out = _text(vocabulary.name) + _text(vocabulary.icon_file) + _int(vocabulary.icon_index)
    entries = [tuple(e) + (0,) * (3 - len(e)) for e in vocabulary.entries]
    out += _int(len(entries))
    if entries:
        out += _int(len(entries))
        out += b"".join(_int(mode) + _int(tag) + _text(text) for text, mode, tag in entries)
    return out


def data_file(vocabularies=(), settings=None):
    """The bytes of a data.dat holding these vocabularies and settings; with no arguments,
    the 130-byte file of a new store."""
    s = settings or Settings()
    out = _int(MAGIC) + _int(0) + b"".join(_int(v) for v in s.reserved_values)
    out += _int(len(vocabularies)) + b"".join(_vocabulary(v) for v in vocabularies)
    out += _text_list([(title, 0) for title, _ in s.find_sequences])
    out += _text_list([(sequence, 0) for _, sequence in s.find_sequences])
    out += _text(s.default_find)
    out += _text_list([(title, 0) for title, _ in s.select_all_sequences])
    out += _text_list([(sequence, 0) for _, sequence in s.select_all_sequences])
    out += _text(s.default_select_all)
    out += b"".join(_text(t) for t in s.reserved_texts)
    out += _text(s.found_sound) + _text(s.not_found_sound)
    out += _int(int(s.play_found)) + _int(int(s.play_not_found))
    out += b"".join(_int(v) for v in s.reserved_flags)
    return out


def sample_vocabularies():
    """A few vocabularies for the demo and for tests that just need some content."""
    return [
        Vocabulary("Animals", "shell32.dll", 41,
                   [("zebra", ANY_WORD), ("kestrel", ANY_WORD), ("grey heron", EXACT_PHRASE)]),
        Vocabulary("Weather", "shell32.dll", 13,
                   [("rain", ANY_WORD), ("strong wind", ALL_WORDS)]),
        Vocabulary("Places", "default", 0, [("fence post", EXACT_PHRASE), ("river", ANY_WORD)]),
    ]


# Reading back into the same records, so that a test can compare single fields of what the
# program kept.
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
        value = self.data[self.at:self.at + length].decode("cp1252")
        self.at += length
        return value

    def text_list(self):
        """[(text, tag)]; the count 0 is "no list"."""
        return [(self.text(), self.int()) for _ in range(self.int())]

    def pairs(self):
        """The parallel title and sequence lists as (title, sequence) pairs."""
        titles, sequences = self.text_list(), self.text_list()
        if len(titles) != len(sequences):
            raise ValueError(f"{len(titles)} window titles but {len(sequences)} sequences")
        return [(t, s) for (t, _), (s, _) in zip(titles, sequences)]

    def vocabulary(self):
        vocabulary = Vocabulary(self.text(), self.text(), self.int())
        count = self.int()
        if count > 0:
            if self.int() != count:
                raise ValueError("keyword list count differs from the vocabulary's")
            for _ in range(count):
                mode, tag = self.int(), self.int()
                vocabulary.entries.append((self.text(), mode, tag))
        return vocabulary


def parse(data):
    """(vocabularies, Settings) from the bytes of data.dat; ValueError when they
    are not a complete data file."""
    r = _Reader(data)
    if r.int() != MAGIC:
        raise ValueError("not a data file: wrong magic value")
    r.int()  # reservedWord, always written as 0
    s = Settings(reserved_values=(r.int(), r.int(), r.int()))
    vocabularies = [r.vocabulary() for _ in range(r.int())]
    s.find_sequences, s.default_find = r.pairs(), r.text()
    s.select_all_sequences, s.default_select_all = r.pairs(), r.text()
    s.reserved_texts = tuple(r.text() for _ in range(8))
    s.found_sound, s.not_found_sound = r.text(), r.text()
    s.play_found, s.play_not_found = bool(r.int()), bool(r.int())
    s.reserved_flags = (r.int(), r.int())
    if r.at != len(data):
        raise ValueError(f"{len(data) - r.at} bytes after the last field")
    return vocabularies, s
