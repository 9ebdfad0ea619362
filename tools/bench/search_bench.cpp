// search_bench: the keyword search on documents of 64 KB to 32 MB, the plain
// per-needle search against the needle search engine and against GNU grep,
// with a table of best and median times. Run by `make bench`; --quick stops
// at 8 MB, --small measures only searches of a handful of needles.
#include "BenchCorpus.h"
#include "BenchTiming.h"

#include "vocab/search/KeywordHits.h"
#include "vocab/search/KeywordSearch.h"
#include "vocab/search/SearchSession.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Lists = std::vector<const KeywordList*>;

// The plain search: every list folds the text again and asks a
// plain substring search for every word and phrase.
KeywordList plainSearch(std::string_view text, const Lists& lists) {
    KeywordList hits;
    for (const KeywordList* list : lists) {
        // As a read does it: the search gets a copy of the list.
        const KeywordList entries = list->clone();
        const std::string folded = foldText(text);
        PlainOccurrenceOracle oracle(folded);
        appendHits(entries, oracle, hits);
    }
    return hits;
}

// A read of several lists as the program does it: the captured text handed
// to one session, every list announced, then one search per list.
KeywordList engineSearch(std::string text, const Lists& lists, SearchSession::Strategy strategy,
                         NeedleSearch::Figures* figures) {
    SearchSession session(std::move(text), strategy);
    for (const KeywordList* list : lists) {
        session.addEntries(*list);
    }
    KeywordList hits;
    for (const KeywordList* list : lists) {
        KeywordSearch search;
        search.setEntries(list->clone());
        search.setSession(session);
        search.run();
        for (const KeywordEntry& hit : search.hits()) {
            hits.append(hit.text().view(), hit.matchMode);
        }
    }
    if (figures != nullptr) {
        *figures = session.figures();
    }
    return hits;
}

bool sameHits(const KeywordList& a, const KeywordList& b) {
    auto ia = a.begin();
    auto ib = b.begin();
    for (; ia != a.end() && ib != b.end(); ++ia, ++ib) {
        if (ia->text() != ib->text().view() || ia->matchMode != ib->matchMode) {
            return false;
        }
    }
    return !(ia != a.end()) && !(ib != b.end());
}

size_t needleCount(const Lists& lists) {
    size_t words = 0;
    for (const KeywordList* list : lists) {
        for (const KeywordEntry& entry : *list) {
            words += entry.matchMode == ExactPhrase ? 1 : 0;
            forEachWord(entry.foldedText(),
                        [&](std::string_view) { words += entry.matchMode == ExactPhrase ? 0 : 1; });
        }
    }
    return words;
}

struct CaseResult {
    Timing plain;
    Timing engine;
    double build = 0;
    bool agree = false;
    size_t hits = 0;
    NeedleSearch::Figures figures;
};

CaseResult runCase(std::string_view text, const Lists& lists, double plainBudget) {
    CaseResult result;
    KeywordList plainHits;
    result.plain = measure(plainBudget, 5, [&] { plainHits = plainSearch(text, lists); });
    KeywordList engineHits;
    std::vector<double> builds;
    std::string captured;
    result.engine = measure(
        3.0, 7, [&] { captured.assign(text.data(), text.size()); },
        [&] {
            engineHits = engineSearch(std::move(captured), lists, SearchSession::Strategy::Together,
                                      &result.figures);
            builds.push_back(result.figures.buildSeconds);
        });
    result.build = Timing::of(builds).best;
    result.agree = sameHits(plainHits, engineHits);
    result.hits = static_cast<size_t>(engineHits.count());
    return result;
}

void printHeader() {
    std::printf("seconds; runs: plain/engine repetitions; automaton: the largest, its memory\n");
    std::printf("%-8s %-9s %7s %6s | %-17s | %-8s %-17s | %4s | %8s | %-17s | %s\n", "document",
                "set", "needles", "hits", "plain best/median", "build", "engine best/median",
                "runs", "speedup", "grep best/median", "automaton");
}

void printRow(const char* size, const char* set, size_t needles, const CaseResult& r,
              const Timing* grep) {
    char grepText[32] = "-";
    if (grep != nullptr) {
        std::snprintf(grepText, sizeof grepText, "%.4f/%.4f", grep->best, grep->median);
    }
    std::printf("%-8s %-9s %7zu %6zu | %8.4f/%-8.4f | %8.5f %8.5f/%-8.5f | %d/%d | %7.1fx | %-17s "
                "| %.1f MB, %zu states%s\n",
                size, set, needles, r.hits, r.plain.best, r.plain.median, r.build, r.engine.best,
                r.engine.median, r.plain.runs, r.engine.runs, r.plain.median / r.engine.median,
                grepText, r.figures.largestAutomatonBytes / 1048576.0, r.figures.largestStateCount,
                r.agree ? "" : "  PLAIN AND ENGINE DISAGREE");
    std::fflush(stdout);
}

// A handful of needles, single words of the realistic lists: the automatic
// choice against the plain search and against the engine forced on.
void smallSearches(const std::string& document, const KeywordList& words) {
    std::printf("\nsmall searches, median seconds (automatic: plain up to %zu needles):\n",
                SearchSession::kOneByOneLimit);
    for (size_t bytes : {size_t{64} << 10, size_t{1} << 20, document.size()}) {
        const std::string_view text(document.data(), std::min(bytes, document.size()));
        for (int count : {1, 4, 16, 17, 32, 64}) {
            KeywordList entries;
            int taken = 0;
            for (auto it = words.begin(); it != words.end() && taken < count; ++it) {
                if (it->matchMode == AnyWord && it->text().view().find(' ') == std::string::npos) {
                    entries.append(it->text().view(), AnyWord);
                    ++taken;
                }
            }
            const Lists lists{&entries};
            const Timing plain = measure(1.0, 7, [&] { plainSearch(text, lists); });
            std::string captured;
            const auto capture = [&] { captured.assign(text.data(), text.size()); };
            const Timing automatic = measure(1.0, 7, capture, [&] {
                engineSearch(std::move(captured), lists, SearchSession::Strategy::Automatic,
                             nullptr);
            });
            const Timing engine = measure(1.0, 7, capture, [&] {
                engineSearch(std::move(captured), lists, SearchSession::Strategy::Together,
                             nullptr);
            });
            std::printf("  %6zu KB %3d needles: plain %.5f  automatic %.5f  engine %.5f%s\n",
                        text.size() >> 10, count, plain.median, automatic.median, engine.median,
                        automatic.median > plain.median * 1.1 ? "  (automatic slower)" : "");
        }
    }
}

struct Summary {
    CaseResult realistic;
    CaseResult lowHit;
    Timing grep;
    bool agree = true;
};

// Every document size up to `largest`; the figures of the largest.
Summary runSizes(const BenchCorpus& corpus, size_t largest) {
    Lists realistic;
    for (const KeywordList& list : corpus.realistic) {
        realistic.push_back(&list);
    }
    const Lists lowHit{&corpus.lowHit};
    GrepRunner grep(corpus.lowHitWords);
    printHeader();
    Summary summary;
    for (size_t bytes : {size_t{64} << 10, size_t{1} << 20, size_t{8} << 20, size_t{32} << 20}) {
        if (bytes > largest) {
            continue;
        }
        const std::string_view text(corpus.document.data(), bytes);
        const std::string size = bytes < (1u << 20) ? std::to_string(bytes >> 10) + " KB"
                                                    : std::to_string(bytes >> 20) + " MB";
        summary.realistic = runCase(text, realistic, 20.0);
        printRow(size.c_str(), "realistic", needleCount(realistic), summary.realistic, nullptr);
        summary.lowHit = runCase(text, lowHit, 20.0);
        summary.grep = grep.time(text);
        printRow(size.c_str(), "low-hit", needleCount(lowHit), summary.lowHit, &summary.grep);
        summary.agree = summary.agree && summary.realistic.agree && summary.lowHit.agree;
    }
    return summary;
}

void printGoals(const Summary& s) {
    const double realisticSpeedup = s.realistic.plain.median / s.realistic.engine.median;
    const double lowHitSpeedup = s.lowHit.plain.median / s.lowHit.engine.median;
    const double toGrep = s.lowHit.engine.median / s.grep.median;
    const auto mark = [](bool reached) { return reached ? "reached" : "NOT reached"; };
    std::printf("\ngoals, largest document, medians:\n");
    std::printf("  realistic: engine %.1fx the plain search (100x: %s), %.3f s with its build "
                "(under 0.25 s: %s)\n",
                realisticSpeedup, mark(realisticSpeedup >= 100), s.realistic.engine.median,
                mark(s.realistic.engine.median < 0.25));
    std::printf("  low-hit: engine %.1fx the plain search (50x: %s), %.2f of grep's time "
                "(at most 0.5: %s)\n",
                lowHitSpeedup, mark(lowHitSpeedup >= 50), toGrep, mark(toGrep <= 0.5));
    std::printf("  plain and engine hits %s\n", s.agree ? "identical" : "DIFFERENT");
    std::printf("speedup_vs_naive=%.1f ratio_to_grep=%.3f\n", realisticSpeedup, toGrep);
}

} // namespace

int main(int argc, char** argv) {
    const char* wordsPath = "/usr/share/dict/words";
    bool quick = false;
    bool smallOnly = false;
    for (int i = 1; i < argc; ++i) {
        quick = quick || std::strcmp(argv[i], "--quick") == 0;
        smallOnly = smallOnly || std::strcmp(argv[i], "--small") == 0;
        wordsPath = std::strncmp(argv[i], "--words=", 8) == 0 ? argv[i] + 8 : wordsPath;
    }
    const std::vector<std::string> words = loadWords(wordsPath);
    if (words.size() < 70000) {
        std::fprintf(stderr, "search_bench: %s holds too few words\n", wordsPath);
        return 2;
    }
    const size_t largest = quick ? size_t{8} << 20 : size_t{32} << 20;
    const BenchCorpus corpus = makeCorpus(words, largest, 64, 300, 5000);
    if (smallOnly) {
        smallSearches(corpus.document, corpus.realistic[0]);
        return 0;
    }
    const Summary summary = runSizes(corpus, largest);
    smallSearches(corpus.document, corpus.realistic[0]);
    printGoals(summary);
    return summary.agree ? 0 : 1;
}
