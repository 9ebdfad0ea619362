// The texts the installer shows to the user.
#pragma once

namespace msg {

constexpr char kCaption[] = "Zembrafind Installation";
constexpr char kQuitFromDestination[] = "Do you want to quit installation?";
constexpr char kQuitFromBackground[] = "Do you really want to quit installation ?";
constexpr char kCannotCreateDirectory[] = "Cannot create specified directory.";
constexpr char kCannotCopyFormat[] = "Cannot copy file \"%s\" to destination directory.";
constexpr char kInstallationFailed[] = "Installation failed.";
constexpr char kCreatingGroup[] = "Creating Start menu group...";
constexpr char kGroupAdded[] = "Group \"Zembrafind\" added to Start menu.";
constexpr char kGroupFailed[] = "Creation of Start menu group failed.";
constexpr char kCopyingFileLabel[] = "Copying file:";
constexpr char kToLabel[] = "To:";
constexpr char kDefaultDestination[] = "C:\\Program Files\\Zembrafind";

// Refusals of destinations the fixed buffers or the file system cannot hold.
constexpr char kDestinationTooLong[] =
    "The destination folder name is too long. Please choose a folder name of at "
    "most 88 characters.";
constexpr char kDestinationBadCharacters[] =
    "The destination folder name contains characters that a folder name cannot "
    "hold (such as * ? \" < > |). Please choose another folder.";
constexpr char kDestinationBadEnding[] =
    "A folder name cannot end in a blank or a dot. Please remove it from the "
    "destination folder name or choose another folder.";
constexpr char kInstallerPathTooLong[] =
    "The installation program's folder name is too long. Please copy the "
    "installation files to a folder with a shorter name and start install.exe "
    "from there.";

} // namespace msg
