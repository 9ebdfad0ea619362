"""Writes data.dat files for the end-to-end tests and the demo: little-endian signed 32-bit
integers and length-prefixed ANSI texts, in the program's field order."""

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
