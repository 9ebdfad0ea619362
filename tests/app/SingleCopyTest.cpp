// One running copy per installation: the mutex name is the installation's
// whatever the spelling of its folder, differs between installations, and is
// global where the system has a global namespace; a mutex that exists or may
// not be opened means another copy runs.
#include "app/logic/SingleCopy.h"

#include <gtest/gtest.h>

TEST(SingleCopy, OneNameForEveryWayOfWritingTheFolder) {
    const std::string name = SingleCopyMutexName("C:\\Program Files\\Zembrafind\\", true);
    for (const char* folder : {"c:\\program files\\zembrafind\\", "C:\\PROGRAM FILES\\ZEMBRAFIND",
                               "C:/Program Files/Zembrafind/", "C:\\Program Files\\Zembrafind\\\\"})
        EXPECT_EQ(SingleCopyMutexName(folder, true), name) << folder;
}

TEST(SingleCopy, InstallationsOfOtherFoldersHaveOtherNames) {
    const char* folders[] = {"C:\\Zembrafind\\", "D:\\Zembrafind\\",        "C:\\Zembrafind2\\",
                             "C:\\Zembrafin\\",  "C:\\Tools\\Zembrafind\\", ""};
    for (const char* a : folders)
        for (const char* b : folders)
            if (a != b) {
                EXPECT_NE(SingleCopyMutexName(a, false), SingleCopyMutexName(b, false))
                    << a << " / " << b;
                EXPECT_NE(InstallationKey(a), InstallationKey(b)) << a << " / " << b;
            }
}

// A backslash is the namespace's separator and nothing else; a folder as long
// as a path may be still gives a short name.
TEST(SingleCopy, GlobalWhereTheSystemHasTheNamespaceAndAPlainShortNameElsewhere) {
    const std::string folder = "C:\\" + std::string(250, 'x') + "\\";
    const std::string global = SingleCopyMutexName(folder, true);
    const std::string plain = SingleCopyMutexName(folder, false);
    EXPECT_EQ(global, "Global\\" + plain);
    EXPECT_EQ(plain.find('\\'), std::string::npos);
    EXPECT_LT(global.size(), 64u);

    struct System {
        bool nt;
        unsigned major;
        bool global;
    };
    const System systems[] = {{false, 4, false}, // Windows 95, 98, Me
                              {true, 4, false},  // NT 4.0
                              {true, 5, true},   // 2000, XP
                              {true, 10, true}};
    for (const System& system : systems)
        EXPECT_EQ(HasGlobalNamespace(system.nt, system.major), system.global)
            << system.nt << " " << system.major;
}

TEST(SingleCopy, AMutexThatExistsOrMayNotBeOpenedMeansAnotherCopy) {
    struct Case {
        bool handle;
        uint32_t error;
        bool first;
    };
    const Case cases[] = {
        {true, 0, true},
        {true, kErrorAlreadyExists, false},
        {false, kErrorAccessDenied, false}, // made by another user
        {false, 123, true},                 // nothing to go by: run
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsFirstCopy(c.handle, c.error), c.first) << c.handle << " " << c.error;
}
