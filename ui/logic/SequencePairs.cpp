// Reading and replacing the window-specific key sequences of one kind.
#include "ui/logic/SequencePairs.h"

#include <type_traits>

namespace {

template <class List, class Str> struct KindFields {
    List& titles;
    List& sequences;
    Str& defaultSequence;
};

// The kind's three fields, const when the store is.
template <class Store> auto fieldsOf(Store& store, SequenceKind kind) {
    using List = std::remove_reference_t<decltype((store.findWindowTitles))>;
    using Str = std::remove_reference_t<decltype((store.defaultFindSequence))>;
    if (kind == SequenceKind::GoTo)
        return KindFields<List, Str>{store.findWindowTitles, store.findSequences,
                                     store.defaultFindSequence};
    return KindFields<List, Str>{store.selectAllWindowTitles, store.selectAllSequences,
                                 store.defaultSelectAllSequence};
}

} // namespace

std::vector<SequencePair> readSequencePairs(const DataStore& store, SequenceKind kind) {
    auto fields = fieldsOf(store, kind);
    std::vector<SequencePair> pairs;
    // Walked together; should a damaged file have left the lists unequal,
    // only the complete pairs are shown (and written back on OK).
    const TextItem* title = fields.titles.first();
    const TextItem* sequence = fields.sequences.first();
    for (; title && sequence; title = title->next(), sequence = sequence->next())
        pairs.push_back({title->text().str(), sequence->text().str()});
    return pairs;
}

std::string defaultSequence(const DataStore& store, SequenceKind kind) {
    return fieldsOf(store, kind).defaultSequence.str();
}

void replaceSequences(DataStore& store, SequenceKind kind, const std::string& defaultSequence,
                      const std::vector<SequencePair>& rows) {
    auto fields = fieldsOf(store, kind);
    fields.defaultSequence = defaultSequence;
    fields.titles.clear();
    fields.sequences.clear();
    for (const SequencePair& row : rows) {
        fields.titles.append(row.windowTitle);
        fields.sequences.append(row.keySequence);
    }
}
