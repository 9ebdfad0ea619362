// The vocabulary properties dialog: name field, icon picture, "Select icon".
#include "ui/VocabularyPropertiesDialog.h"

#include "resources/PageIds.h"
#include "ui/ChangeIconDialog.h"

const CommandHandler<VocabularyPropertiesDialog> VocabularyPropertiesDialog::kCommands[] = {
    {IDC_PROPS_SELECT_ICON, &VocabularyPropertiesDialog::onSelectIcon},
    {IDOK, &VocabularyPropertiesDialog::onOk},
};

const MessageMap<VocabularyPropertiesDialog> VocabularyPropertiesDialog::kMap{{}, kCommands, {}};

bool VocabularyPropertiesDialog::run(HWND owner) {
    return runModal(owner, IDD_VOCABULARY_PROPERTIES) == IDOK;
}

BOOL VocabularyPropertiesDialog::onInit() {
    picture_.attach(item(IDC_PROPS_PICTURE));
    setItemText(IDC_PROPS_NAME, name);
    updatePreview();
    return TRUE;
}

void VocabularyPropertiesDialog::updatePreview() {
    Icon icon = extractFileIcon(iconFile, iconIndex);
    if (icon)
        picture_.show(std::move(icon));
}

void VocabularyPropertiesDialog::onSelectIcon() {
    ChangeIconDialog dialog;
    dialog.fileName = iconFile;
    dialog.iconIndex = iconIndex;
    if (!dialog.run(hwnd()))
        return;
    iconFile = dialog.fileName;
    iconIndex = dialog.iconIndex;
    updatePreview();
}

void VocabularyPropertiesDialog::onOk() {
    name = itemText(IDC_PROPS_NAME);
    end(IDOK);
}
