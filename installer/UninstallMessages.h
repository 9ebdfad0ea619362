// The texts the uninstaller shows to the user.
#pragma once

namespace umsg {

constexpr char kCaption[] = "Zembrafind Uninstall";
constexpr char kConfirmFormatStart[] = "Do you want to remove Zembrafind from the folder\n";
constexpr char kConfirmFormatEnd[] = "\nand from the Start menu?";
constexpr char kKeepData[] =
    "Do you want to keep your vocabularies and settings (the file DATA.DAT)?\n\n"
    "Choose Yes to keep them for a later installation.";
constexpr char kRemovedFrom[] = "Zembrafind has been removed from ";
constexpr char kFilesDeleted[] = " file(s) deleted.\n";
constexpr char kDataKept[] = "Your vocabularies and settings (DATA.DAT) were kept.\n";
constexpr char kNotRemoved[] = "These files could not be deleted (is Zembrafind still running?):\n";
constexpr char kGroupRemoved[] = "The Start menu group \"Zembrafind\" was removed.\n";
constexpr char kGroupNotRemoved[] = "The Start menu could not be reached; please remove "
                                    "the \"Zembrafind\" group by hand.\n";
constexpr char kSelfAtRestart[] = "UNINSTZFW.EXE will be deleted when Windows next starts.\n";
constexpr char kSelfAndFolderAtRestart[] =
    "UNINSTZFW.EXE and the folder will be deleted when Windows next starts.\n";
constexpr char kDistributionFolderStart[] =
    "This folder holds the Zembrafind installation files, not an installed Zembrafind:\n";
constexpr char kDistributionFolderEnd[] =
    "\n\nNothing has been removed. To remove Zembrafind, choose \"Uninstall\" in its "
    "Start menu group.";
constexpr char kSelfPathTooLong[] = "The uninstall program cannot read its own folder name.";

} // namespace umsg
