// ChangeIconDialog ("Change Icon"): an icon file and one icon in it, chosen
// from a one-row list of the file's icons. Set the fields, run, and read
// them back after OK (iconIndex -1 when the file gave no icons).
#pragma once

#include "toolkit/Dialog.h"
#include "ui/Icons.h"

#include <string>
#include <vector>

class ChangeIconDialog : public DialogImpl<ChangeIconDialog> {
public:
    std::string fileName;
    int iconIndex = 0;

    // True when the user confirmed; the fields then hold the choice.
    bool run(HWND owner);

    static const MessageMap<ChangeIconDialog> kMap;

private:
    static const MessageHandler<ChangeIconDialog> kMessages[];
    static const CommandHandler<ChangeIconDialog> kCommands[];

    BOOL onInit() override;
    INT_PTR onDrawItem(WPARAM, LPARAM drawItem);
    void onFileFocused();
    void onFileChanged();
    void onFileLeft();
    void onBrowse();
    void onOk();
    void onCancel();

    // Lists every icon of fileName, chooses iconIndex, updates the preview.
    void loadIcons();
    void releaseIcons();
    void updatePreview();
    // Puts fileName into the field and chooses iconIndex in the list.
    void showValues();
    // Takes fileName from the field and iconIndex from the list.
    void readValues();
    // A file name typed since the field got the focus loads its icons.
    void reloadIfRenamed();
    HWND iconList() const;

    std::vector<Icon> icons_;
    Picture preview_;
    std::string focusName_;
    bool edited_ = false;
    // Set while the dialog itself fills the field: that is no user edit.
    bool filling_ = false;
};
