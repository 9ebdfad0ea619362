// The bar notation of file filters turned into the open-file dialog's form.
#include "ui/logic/FileFilter.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(FileFilter, SoundFiltersBecomeNulSeparatedPairsWithTwoClosingNuls) {
    EXPECT_EQ(fileDialogFilter("*.wav | *.wav | *.* | *.* ||"), "*.wav\0*.wav\0*.*\0*.*\0\0\0"s);
}

TEST(FileFilter, IconFiltersKeepTheirOrder) {
    EXPECT_EQ(fileDialogFilter("*.exe | *.exe | *.dll | *.dll | *.ico | *.ico | *.icl | *.icl | "
                               "*.* | *.* ||"),
              "*.exe\0*.exe\0*.dll\0*.dll\0*.ico\0*.ico\0*.icl\0*.icl\0*.*\0*.*\0\0\0"s);
}

TEST(FileFilter, SpacesInsideAPieceStayAndMissingClosingBarsAreTolerated) {
    EXPECT_EQ(fileDialogFilter("Sound files|*.wav;*.mid"), "Sound files\0*.wav;*.mid\0\0\0"s);
    EXPECT_EQ(fileDialogFilter("a|b||ignored|after"), "a\0b\0\0\0"s);
}

TEST(FileFilter, EmptyNotationStillEndsTheList) {
    EXPECT_EQ(fileDialogFilter(""), "\0\0"s);
    EXPECT_EQ(fileDialogFilter("||"), "\0\0"s);
}
