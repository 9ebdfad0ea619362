// Corpus generation: a text of dictionary words in natural frequencies, with
// capitals, punctuation and CRLF line breaks as a copied document has them;
// entries drawn partly from the text's words and partly from words it never
// uses.
#include "BenchCorpus.h"

#include <algorithm>
#include <cstdio>

uint64_t BenchRandom::next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

std::vector<std::string> loadWords(const char* path) {
    std::vector<std::string> words;
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return words;
    }
    char line[512];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        std::string word(line);
        while (!word.empty() && (word.back() == '\n' || word.back() == '\r')) {
            word.pop_back();
        }
        if (!word.empty() && word.find(' ') == std::string::npos) {
            words.push_back(word);
        }
    }
    std::fclose(file);
    return words;
}

namespace {

constexpr size_t kTextPool = 30000;

std::string capitalised(std::string word, bool allCapitals) {
    for (size_t i = 0; i < word.size() && (i == 0 || allCapitals); ++i) {
        if (word[i] >= 'a' && word[i] <= 'z') {
            word[i] = static_cast<char>(word[i] - 'a' + 'A');
        }
    }
    return word;
}

// Runs of words joined by single spaces near the start of the document, so
// that phrases taken from them occur in every document size.
struct PhraseSource {
    std::vector<std::string> words;
    std::vector<bool> spaceAfter;
};

// Word frequencies of natural text follow Zipf's law: the word of rank r
// comes about 1/r as often as the most frequent one.
class ZipfWords {
public:
    explicit ZipfWords(const std::vector<std::string>& pool) : pool_(pool) {
        double sum = 0;
        for (size_t rank = 1; rank <= pool.size(); ++rank) {
            sum += 1.0 / static_cast<double>(rank);
            cumulative_.push_back(sum);
        }
    }
    const std::string& pick(BenchRandom& random) const {
        const double u = static_cast<double>(random.next() >> 11) * 0x1.0p-53 * cumulative_.back();
        const size_t index =
            std::upper_bound(cumulative_.begin(), cumulative_.end(), u) - cumulative_.begin();
        return pool_[std::min(index, pool_.size() - 1)];
    }

private:
    const std::vector<std::string>& pool_;
    std::vector<double> cumulative_;
};

std::string makeDocument(const std::vector<std::string>& pool, size_t bytes, BenchRandom& random,
                         PhraseSource& phrases) {
    const ZipfWords zipf(pool);
    std::string text;
    text.reserve(bytes + 64);
    bool sentenceStart = true;
    for (int inLine = 0; text.size() < bytes; ++inLine) {
        const std::string& word = zipf.pick(random);
        const bool capital = sentenceStart || random.chance(8);
        text += capital ? capitalised(word, false) : word;
        const size_t r = random.below(100);
        const char* after = r < 8 ? "," : r < 14 ? "." : "";
        sentenceStart = r >= 8 && r < 14;
        text += after;
        const bool lineEnd = inLine >= 11 && random.chance(30);
        text += lineEnd ? "\r\n" : " ";
        inLine = lineEnd ? -1 : inLine;
        if (text.size() < (64u << 10)) {
            phrases.words.push_back(word);
            phrases.spaceAfter.push_back(*after == '\0' && !lineEnd);
        }
    }
    text.resize(bytes);
    return text;
}

std::string randomPhrase(const PhraseSource& source, int wordCount, BenchRandom& random) {
    for (;;) {
        const size_t start = random.below(source.words.size() - wordCount);
        std::string phrase = source.words[start];
        bool joined = true;
        for (int i = 1; i < wordCount && joined; ++i) {
            joined = source.spaceAfter[start + i - 1];
            phrase += " " + source.words[start + i];
        }
        if (joined) {
            return phrase;
        }
    }
}

std::string entryText(const std::vector<std::string>& words, int wordCount, int32_t mode,
                      const PhraseSource& source, BenchRandom& random) {
    if (mode == ExactPhrase && wordCount > 1 && random.chance(50)) {
        return randomPhrase(source, wordCount, random);
    }
    std::string text;
    for (int i = 0; i < wordCount; ++i) {
        // Three words in five from the document's vocabulary.
        const size_t index =
            random.chance(60) ? random.below(kTextPool) : kTextPool + random.below(kTextPool);
        text += (i > 0 ? " " : "") + words[index];
    }
    const size_t r = random.below(100);
    return r < 20 ? capitalised(text, false) : r < 25 ? capitalised(text, true) : text;
}

} // namespace

BenchCorpus makeCorpus(const std::vector<std::string>& dictionary, size_t documentBytes,
                       int listCount, int entriesPerList, size_t lowHitCount) {
    BenchRandom random(20240601);
    std::vector<std::string> words = dictionary;
    std::sort(words.begin(), words.end());
    for (size_t i = words.size(); i > 1; --i) {
        std::swap(words[i - 1], words[random.below(i)]);
    }
    BenchCorpus corpus;
    PhraseSource phrases;
    const std::vector<std::string> pool(words.begin(), words.begin() + kTextPool);
    corpus.document = makeDocument(pool, documentBytes, random, phrases);
    for (int list = 0; list < listCount; ++list) {
        KeywordList entries;
        for (int e = 0; e < entriesPerList; ++e) {
            const int wordCount = 1 + static_cast<int>(random.below(3));
            const size_t r = random.below(100);
            const int32_t mode = r < 50 ? AnyWord : r < 75 ? AllWords : ExactPhrase;
            entries.append(entryText(words, wordCount, mode, phrases, random), mode);
        }
        corpus.realistic.push_back(std::move(entries));
    }
    // Words that occur nowhere in the text, not even inside its words; a few
    // of them are placed near its end.
    std::string poolText;
    for (const std::string& word : pool) {
        poolText += foldText(word) + "\n";
    }
    for (size_t i = 2 * kTextPool; i < words.size() && corpus.lowHitWords.size() < lowHitCount;
         ++i) {
        if (poolText.find(foldText(words[i])) == std::string::npos) {
            corpus.lowHit.append(words[i], AnyWord);
            corpus.lowHitWords.push_back(words[i]);
        }
    }
    for (size_t i = 0; i < corpus.lowHitWords.size() && i < 50; ++i) {
        const size_t at = documentBytes - 1000 - 200 * i;
        corpus.document.replace(at, corpus.lowHitWords[i].size() + 2,
                                " " + corpus.lowHitWords[i] + " ");
    }
    return corpus;
}
