// The order of the installer's steps (see InstallSequence.h).
#include "installer/InstallSequence.h"

#include "installer/Destination.h"
#include "installer/Installation.h"

bool InstallSequence::beginQuitQuestion() {
    if (stage_ != InstallStage::Choosing && stage_ != InstallStage::Confirming)
        return false;
    questionAskedIn_ = stage_;
    stage_ = InstallStage::AskingToQuit;
    return true;
}

void InstallSequence::endQuitQuestion(bool quit) {
    if (stage_ != InstallStage::AskingToQuit)
        return;
    stage_ = quit ? InstallStage::Ended : questionAskedIn_;
}

bool InstallSequence::beginConfirmation() {
    if (stage_ != InstallStage::Choosing)
        return false;
    stage_ = InstallStage::Confirming;
    folderReady_ = false;
    return true;
}

bool InstallSequence::confirm(InstallFiles& files, unsigned& refusal) {
    refusal = 0;
    if (stage_ != InstallStage::Confirming)
        return false;
    const DestinationCheck check =
        prepareDestination(files, state_.destinationText, state_.destinationPath);
    folderReady_ = check == DestinationCheck::Ready;
    refusal = destinationMessage(check);
    return folderReady_;
}

bool InstallSequence::endConfirmation(bool confirmed) {
    if (stage_ == InstallStage::AskingToQuit && questionAskedIn_ == InstallStage::Confirming) {
        // Closed under an open question: the answer goes back to choosing.
        questionAskedIn_ = InstallStage::Choosing;
        return false;
    }
    if (stage_ != InstallStage::Confirming)
        return false;
    const bool copy = confirmed && folderReady_;
    stage_ = copy ? InstallStage::Copying : InstallStage::Choosing;
    return copy;
}

bool InstallSequence::install(InstallFiles& files, ProgressView& view, DdeChannel& channel,
                              const TextTable& texts) {
    if (stage_ != InstallStage::Copying)
        return false;
    const bool completed = runInstallation(files, view, channel, texts, state_.sourceFolder,
                                           state_.destinationPath, state_.addToStartup);
    stage_ = InstallStage::Ended;
    return completed;
}
