// The "Sound File" dialog: choosing a WAV file and trying it out.
#include "ui/SoundFileDialog.h"

#include "resources/SettingsIds.h"
#include "toolkit/SoundFile.h"
#include "ui/OpenFileDialog.h"

const CommandHandler<SoundFileDialog> SoundFileDialog::kCommands[] = {
    {IDC_SOUND_BROWSE, &SoundFileDialog::onBrowse},
    {IDC_SOUND_PLAY, &SoundFileDialog::onPlay},
    {IDOK, &SoundFileDialog::onOk},
};

const MessageMap<SoundFileDialog> SoundFileDialog::kMap{{}, kCommands, {}};

INT_PTR SoundFileDialog::run(HWND owner) {
    return runModal(owner, IDD_SOUND_FILE);
}

BOOL SoundFileDialog::onInit() {
    setItemText(IDC_SOUND_PATH, path);
    return TRUE;
}

void SoundFileDialog::onBrowse() {
    std::string chosen;
    if (askFileToOpen(hwnd(), "*.wav", "*.wav | *.wav | *.* | *.* ||", chosen))
        setItemText(IDC_SOUND_PATH, chosen);
}

// The dialog stays usable while the sound plays.
void SoundFileDialog::onPlay() {
    PlaySoundFile(itemText(IDC_SOUND_PATH));
}

void SoundFileDialog::onOk() {
    path = itemText(IDC_SOUND_PATH);
    end(IDOK);
}
