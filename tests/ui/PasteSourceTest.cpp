// What "&Paste" on the Keywords page takes: another program's text before
// the keyword clipboard's rows, nothing without a vocabulary to paste into.
#include "ui/logic/PasteSource.h"

#include <gtest/gtest.h>

namespace {

struct PasteCase {
    bool vocabularyChosen;
    bool keywordRowsHeld;
    bool otherProgramText;
    PasteSource source;
};

const PasteCase kCases[] = {
    {true, true, true, PasteSource::OtherProgramText},
    {true, false, true, PasteSource::OtherProgramText},
    {true, true, false, PasteSource::KeywordClipboard},
    {true, false, false, PasteSource::Nothing},
    {false, true, true, PasteSource::Nothing},
    {false, true, false, PasteSource::Nothing},
    {false, false, true, PasteSource::Nothing},
    {false, false, false, PasteSource::Nothing},
};

} // namespace

TEST(PasteSource, AnotherProgramsTextWinsOverTheKeywordClipboard) {
    for (const PasteCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "vocabulary " << c.vocabularyChosen << " rows "
                                        << c.keywordRowsHeld << " text " << c.otherProgramText);
        int asked = 0;
        PasteSource source = choosePasteSource(c.vocabularyChosen, c.keywordRowsHeld, [&] {
            ++asked;
            return c.otherProgramText;
        });
        EXPECT_EQ(source, c.source);
        // The question may open the system clipboard: only when it can matter.
        EXPECT_EQ(asked, c.vocabularyChosen ? 1 : 0);
    }
}
