// The installer's and the uninstaller's file operations on Win32.
#pragma once

#include "installer/InstallPlatform.h"

class Win32Files : public InstallFiles {
public:
    bool setCurrentDirectory(const std::string& folder) override;
    bool createDirectory(const std::string& folder) override;
    bool copyFile(const std::string& source, const std::string& destination,
                  bool failIfExists) override;
    bool fileExists(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    bool removeDirectory(const std::string& folder) override;
    // Windows NT: MoveFileExA with MOVEFILE_DELAY_UNTIL_REBOOT. Windows 95/98
    // lack it and read WININIT.INI's [rename] section at start-up instead,
    // which removes files but not folders.
    bool removeAtRestart(const std::string& path) override;
};
