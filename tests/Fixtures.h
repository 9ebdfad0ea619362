// Fixtures the native tests of more than one folder use: the data file bytes
// of a store, one keyword search run by a chosen strategy, a keyword list
// control that remembers its rows, and the fuzz targets' check. Free of
// GoogleTest, so that the fuzz targets can use it too.
#pragma once

#include "ui/logic/KeywordRowEdits.h"
#include "vocab/DataStore.h"
#include "vocab/datafile/DataFile.h"
#include "vocab/search/KeywordSearch.h"
#include "vocab/search/SearchSession.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A fuzz target's check: a broken rule ends the run, which the fuzzer reports
// with the input that broke it.
inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The bytes the data file holds for `store`.
inline std::string encode(const DataStore& store) {
    DataWriter writer;
    encodeDataFile(store, writer);
    return writer.bytes();
}

struct SearchOutcome {
    bool found = false; // what the search answered
    KeywordList hits;
};

// One search of `text` for `entries`, the needles found by `strategy`.
inline SearchOutcome searchOnce(SearchSession::Strategy strategy, const KeywordList& entries,
                                std::string_view text) {
    SearchSession session(text, strategy);
    session.addEntries(entries);
    KeywordSearch search;
    search.setEntries(entries.clone());
    search.setSession(session);
    SearchOutcome outcome;
    outcome.found = search.run();
    outcome.hits = search.hits().clone();
    return outcome;
}

// Keyword rows as (text, mode) pairs, which GoogleTest prints whole when a
// comparison fails.
using RowPairs = std::vector<std::pair<std::string, int32_t>>;

inline RowPairs pairs(const std::vector<KeywordRow>& rows) {
    RowPairs result;
    for (const KeywordRow& row : rows)
        result.emplace_back(row.text, row.mode);
    return result;
}

struct FakeRow {
    std::string text;
    int32_t mode;
    bool selected = false;
};

// A list control that remembers rows and selection, as the Keywords page's does.
class FakeRows : public EditableKeywordRows {
public:
    std::vector<FakeRow> rows;

    int rowCount() const override { return static_cast<int>(rows.size()); }
    bool isSelected(int row) const override { return rows.at(row).selected; }
    std::string rowText(int row) const override { return rows.at(row).text; }
    int32_t rowMode(int row) const override { return rows.at(row).mode; }
    void appendRow(const std::string& text, int32_t mode) override { rows.push_back({text, mode}); }
    void insertRow(int row, const std::string& text, int32_t mode) override {
        rows.insert(rows.begin() + row, FakeRow{text, mode});
    }
    void setRow(int row, const std::string& text, int32_t mode) override {
        rows.at(row).text = text;
        rows.at(row).mode = mode;
    }
    void deleteRow(int row) override { rows.erase(rows.begin() + row); }
    void setSelected(int row, bool on) override { rows.at(row).selected = on; }

    // Rows "r0".."r<n-1>", mode = index % 3, with the given rows selected.
    static FakeRows numbered(int count, std::vector<int> selected) {
        FakeRows fake;
        for (int i = 0; i < count; ++i)
            fake.appendRow("r" + std::to_string(i), i % 3);
        for (int row : selected)
            fake.setSelected(row, true);
        return fake;
    }
    // The rows' numbers in their order, "0123" for r0..r3.
    std::string order() const {
        std::string result;
        for (const FakeRow& row : rows)
            result += row.text.substr(1);
        return result;
    }
    std::vector<int> selectedRows() const {
        std::vector<int> result;
        for (int i = 0; i < rowCount(); ++i)
            if (rows[i].selected)
                result.push_back(i);
        return result;
    }
};
