// The benchmark's corpus: documents and keyword lists made deterministically
// from a word list, so that every run measures the same work.
#pragma once

#include "vocab/TextList.h"

#include <cstdint>
#include <string>
#include <vector>

struct BenchCorpus {
    // The largest document; the smaller ones are its beginnings.
    std::string document;
    // Lists of entries of one to three words in all three modes, about 60%
    // of whose words occur in a big document.
    std::vector<KeywordList> realistic;
    // One list of single words that no document holds, except a few placed
    // near the end of the largest one.
    KeywordList lowHit;
    std::vector<std::string> lowHitWords;
};

// Words of `path`, one a line; empty when the file cannot be read.
std::vector<std::string> loadWords(const char* path);

BenchCorpus makeCorpus(const std::vector<std::string>& words, size_t documentBytes, int listCount,
                       int entriesPerList, size_t lowHitCount);

// A reproducible stream of random numbers (splitmix64).
class BenchRandom {
public:
    explicit BenchRandom(uint64_t seed) : state_(seed) {}
    uint64_t next();
    size_t below(size_t bound) { return static_cast<size_t>(next() % bound); }
    bool chance(int percent) { return below(100) < static_cast<size_t>(percent); }

private:
    uint64_t state_;
};
