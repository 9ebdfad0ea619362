// The Settings page: sound switches with their files, and the doors to the
// key-sequence settings. It edits the current (working) store directly.
#include "ui/SettingsPage.h"

#include "resources/SettingsIds.h"
#include "ui/KeySequenceSettingsDialog.h"
#include "ui/PageRequests.h"
#include "ui/SoundFileDialog.h"
#include "ui/logic/SequencePairs.h"

const CommandHandler<SettingsPage> SettingsPage::kCommands[] = {
    {IDC_SETTINGS_FOUND, &SettingsPage::onFoundSound, BN_CLICKED},
    {IDC_SETTINGS_NOT_FOUND, &SettingsPage::onNotFoundSound, BN_CLICKED},
    {IDC_SETTINGS_GOTO, &SettingsPage::onGoToSettings},
    {IDC_SETTINGS_SELECT_ALL, &SettingsPage::onSelectAllSettings},
    {IDOK, &SettingsPage::onOk},
    {IDCANCEL, &SettingsPage::onCancel},
};

const MessageMap<SettingsPage> SettingsPage::kMap{{}, kCommands, {}};

HWND SettingsPage::create(HWND tabbedWindow) {
    return createModeless(tabbedWindow, IDD_SETTINGS_PAGE);
}

// The tabbed window gives the focus when it shows the page.
BOOL SettingsPage::onInit() {
    setChecked(IDC_SETTINGS_FOUND, store_.playFoundSound != 0);
    setChecked(IDC_SETTINGS_NOT_FOUND, store_.playNotFoundSound != 0);
    return FALSE;
}

void SettingsPage::onFoundSound() {
    toggleSound(IDC_SETTINGS_FOUND, store_.playFoundSound, store_.foundSoundFile);
}

void SettingsPage::onNotFoundSound() {
    toggleSound(IDC_SETTINGS_NOT_FOUND, store_.playNotFoundSound, store_.notFoundSoundFile);
}

// The box has already changed itself. Switching on asks for the file (a
// cancelled question keeps the sound on with its old file); switching off
// keeps the file for the next time.
void SettingsPage::toggleSound(int checkBox, int32_t& play, Text& file) {
    bool on = isChecked(checkBox);
    play = on ? 1 : 0;
    if (!on)
        return;
    SoundFileDialog dialog;
    dialog.path = file.str();
    if (dialog.run(hwnd()) == IDOK)
        file = dialog.path;
}

void SettingsPage::onGoToSettings() {
    editSequences(SequenceKind::GoTo);
}
void SettingsPage::onSelectAllSettings() {
    editSequences(SequenceKind::SelectText);
}

// The dialog edits copies; OK replaces the kind's default and both of its
// lists together, Cancel changes nothing.
void SettingsPage::editSequences(SequenceKind kind) {
    KeySequenceSettingsDialog dialog;
    dialog.kind = kind;
    dialog.defaultSequence = defaultSequence(store_, kind);
    dialog.pairs = readSequencePairs(store_, kind);
    if (dialog.run(hwnd()) == IDOK)
        replaceSequences(store_, kind, dialog.defaultSequence, dialog.pairs);
}

void SettingsPage::onOk() {
    askTabbedWindow(hwnd(), IDOK);
}
void SettingsPage::onCancel() {
    askTabbedWindow(hwnd(), IDCANCEL);
}
