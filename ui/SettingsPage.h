// SettingsPage: the "Settings" tab: the two sounds and the buttons that open
// the "Go to" and select-all key-sequence settings.
#pragma once

#include "toolkit/Dialog.h"
#include "vocab/DataStore.h"

class SettingsPage : public DialogImpl<SettingsPage> {
public:
    // The page edits `store`, the tabbed window's working copy.
    explicit SettingsPage(DataStore& store) : store_(store) {}
    // Creates the page, hidden, as a child of the tabbed window.
    HWND create(HWND tabbedWindow);

    static const MessageMap<SettingsPage> kMap;

private:
    static const CommandHandler<SettingsPage> kCommands[];

    BOOL onInit() override;
    void onFoundSound();
    void onNotFoundSound();
    void onGoToSettings();
    void onSelectAllSettings();
    void onOk();
    void onCancel();
    // A page never ends itself: its window belongs to the tabbed window.
    void onUnhandledCommand(int) override {}

    void toggleSound(int checkBox, int32_t& play, Text& file);
    void editSequences(SequenceKind kind);

    DataStore& store_;
};
