// The installation proper: the copy of the file list with its progress and
// failure messages, then the Start menu group.
#pragma once

#include "installer/InstallPlatform.h"
#include "installer/TextTable.h"

#include <string>

// Copies every file of the list in order. A keep-existing file is never
// replaced and its failure is no error; any other failure is reported with
// two messages and ends the copy. True when the copy completed.
bool copyInstallFiles(InstallFiles& files, ProgressView& view, const TextTable& texts,
                      const std::string& sourceFolder, const std::string& destinationPath);

// Sends the group command series through an open conversation.
void createGroups(DdeChannel& channel, const std::string& folder, bool addToStartup);

// Makes the Start menu group and shows how it went in the status line.
void makeStartMenuGroup(DdeChannel& channel, ProgressView& view, const TextTable& texts,
                        const std::string& folder, bool addToStartup);

// The copy, then (only when it completed) the Start menu group.
bool runInstallation(InstallFiles& files, ProgressView& view, DdeChannel& channel,
                     const TextTable& texts, const std::string& sourceFolder,
                     const std::string& destinationPath, bool addToStartup);
