// The order of the installer's steps when the user quits, confirms or both.
#include "Fakes.h"
#include "RcTexts.h"
#include "tests/Caller.h"

#include "installer/InstallFileList.h"
#include "installer/InstallSequence.h"
#include "installer/PathRules.h"

#include <gtest/gtest.h>

namespace {

const std::string kSource = "D:\\SETUP";

class InstallSequenceTest : public ::testing::Test {
protected:
    InstallState state;
    InstallSequence sequence{state};
    FakeFiles files;
    FakeView view;
    FakeChannel channel;
    unsigned refusal = 0;

    void SetUp() override {
        for (const char* entry : kInstallFileList)
            files.files.insert(upperCase(kSource + "\\" + entry));
        files.folders = {"C:", "C:\\PROGRAM FILES"};
        state.sourceFolder = kSource;
        state.destinationText = "C:\\Program Files\\Zembrafind";
    }

    // "Yes" in "Confirmation", then the window closes with it.
    bool confirmAndClose() {
        const bool yes = sequence.confirm(files, refusal);
        return sequence.endConfirmation(yes);
    }

    void expectNothingWritten(Caller caller = {}) {
        TRACE_CALLER(caller);
        EXPECT_FALSE(sequence.install(files, view, channel, RcTexts()));
        EXPECT_TRUE(files.log.empty());
        EXPECT_TRUE(view.log.empty());
        EXPECT_TRUE(channel.calls.empty());
    }
};

} // namespace

// The background window's question used to be answered "Yes" under an open
// "Confirmation", whose "Yes" then installed everything all the same.
TEST_F(InstallSequenceTest, QuittingWhileConfirmationIsOpenInstallsNothing) {
    ASSERT_TRUE(sequence.beginConfirmation());
    ASSERT_TRUE(sequence.beginQuitQuestion());
    EXPECT_FALSE(sequence.beginQuitQuestion()) << "one question at a time";
    EXPECT_FALSE(sequence.confirm(files, refusal)) << "no answer under the question";
    EXPECT_EQ(refusal, 0u);
    sequence.endQuitQuestion(true);
    EXPECT_EQ(sequence.stage(), InstallStage::Ended);
    EXPECT_FALSE(confirmAndClose());
    EXPECT_EQ(refusal, 0u);
    expectNothingWritten();
}

// The reverse: the "Destination" window's "OK" under the open question.
TEST_F(InstallSequenceTest, NoConfirmationWhileAQuitQuestionIsOpen) {
    ASSERT_TRUE(sequence.beginQuitQuestion());
    EXPECT_FALSE(sequence.beginConfirmation());
    sequence.endQuitQuestion(true);
    EXPECT_FALSE(sequence.beginConfirmation());
    EXPECT_FALSE(sequence.beginQuitQuestion());
    expectNothingWritten();
}

TEST_F(InstallSequenceTest, DeclinedQuestionsGoBackToWhereTheyWereAsked) {
    ASSERT_TRUE(sequence.beginQuitQuestion());
    sequence.endQuitQuestion(false);
    EXPECT_EQ(sequence.stage(), InstallStage::Choosing);
    ASSERT_TRUE(sequence.beginConfirmation());
    ASSERT_TRUE(sequence.beginQuitQuestion());
    sequence.endQuitQuestion(false);
    EXPECT_EQ(sequence.stage(), InstallStage::Confirming);
    ASSERT_TRUE(confirmAndClose());
    EXPECT_FALSE(sequence.beginQuitQuestion()) << "no question once the copy has begun";
    EXPECT_TRUE(sequence.install(files, view, channel, RcTexts()));
    EXPECT_EQ(files.log.size(), 13u); // the folder and twelve files
    EXPECT_EQ(channel.commands.size(), 8u);
    EXPECT_EQ(sequence.stage(), InstallStage::Ended);
    EXPECT_FALSE(sequence.install(files, view, channel, RcTexts())) << "once only";
    EXPECT_EQ(files.log.size(), 13u);
}

TEST_F(InstallSequenceTest, ConfirmationClosedUnderTheQuestionLeavesNoCopyBehind) {
    ASSERT_TRUE(sequence.beginConfirmation());
    ASSERT_TRUE(sequence.beginQuitQuestion());
    EXPECT_FALSE(sequence.endConfirmation(true));
    sequence.endQuitQuestion(false);
    EXPECT_EQ(sequence.stage(), InstallStage::Choosing);
    expectNothingWritten();
}

TEST_F(InstallSequenceTest, TheCopyStartsOnlyAfterTheFolderWasMade) {
    state.destinationText = "C:\\New\\Deeper";
    ASSERT_TRUE(sequence.beginConfirmation());
    EXPECT_FALSE(sequence.confirm(files, refusal));
    EXPECT_EQ(RcTexts().text(refusal), "Cannot create specified directory.");
    // Closed with "Yes" by other means than the button: still no copy.
    EXPECT_FALSE(sequence.endConfirmation(true));
    EXPECT_EQ(sequence.stage(), InstallStage::Choosing);
    expectNothingWritten();

    ASSERT_TRUE(sequence.beginConfirmation());
    EXPECT_FALSE(sequence.endConfirmation(false)) << "\"No\" goes back to choosing";
    EXPECT_TRUE(sequence.beginConfirmation());
}
