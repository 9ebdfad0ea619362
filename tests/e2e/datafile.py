"""Reads data.dat back for the end-to-end tests, into the same records that zfdata
writes from, so a test can compare what the program kept with what it expects."""

import struct

import zfdata


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
        vocabulary = zfdata.Vocabulary(self.text(), self.text(), self.int())
        count = self.int()
        if count > 0:
            if self.int() != count:
                raise ValueError("keyword list count differs from the vocabulary's")
            for _ in range(count):
                mode, tag = self.int(), self.int()
                vocabulary.entries.append((self.text(), mode, tag))
        return vocabulary


def parse(data):
    """(vocabularies, zfdata.Settings) from the bytes of data.dat; ValueError when they
    are not a complete data file."""
    r = _Reader(data)
    if r.int() != zfdata.MAGIC:
        raise ValueError("not a data file: wrong magic value")
    r.int()  # reservedWord, always written as 0
    s = zfdata.Settings(reserved_values=(r.int(), r.int(), r.int()))
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


def read(path):
    with open(path, "rb") as stream:
        return parse(stream.read())
