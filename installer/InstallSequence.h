// The order of the installer's steps, whatever the windows let through: the
// user chooses, confirms, and only then is the folder made and are the files
// copied. A confirmed quit ends it all, and while a quit question or the
// confirmation is open, the other one cannot begin.
#pragma once

#include "installer/InstallPlatform.h"
#include "installer/InstallState.h"

enum class InstallStage {
    Choosing,     // "Destination" is open
    AskingToQuit, // a quit question is open (while choosing or confirming)
    Confirming,   // "Confirmation" is open
    Copying,      // the copy and the Start menu group
    Ended,
};

class InstallSequence {
public:
    explicit InstallSequence(InstallState& state) : state_(state) {}

    InstallStage stage() const { return stage_; }
    const InstallState& state() const { return state_; }

    // True when a quit question may be asked now; it then counts as open. No
    // question while another one is open, once the copy has begun, or after
    // the end.
    bool beginQuitQuestion();
    // The answer: "Yes" ends the installer, anything else goes back to where
    // the question was asked.
    void endQuitQuestion(bool quit);

    // "OK" in "Destination": true when "Confirmation" may open.
    bool beginConfirmation();
    // "Yes" in "Confirmation": checks the folder and makes sure it exists.
    // True when the confirmation may close with "Yes"; otherwise `refusal`
    // is the message to show, or null when "Yes" is not to be answered at
    // all (a quit question is open over the confirmation, or it ended).
    bool confirm(InstallFiles& files, const char*& refusal);
    // "Confirmation" has closed; true when the copy is to start now: "Yes"
    // found the folder ready, and nobody has quit meanwhile.
    bool endConfirmation(bool confirmed);

    // The copy and then the Start menu group, once, and only after
    // endConfirmation has allowed it. True when the copy completed.
    bool install(InstallFiles& files, ProgressView& view, DdeChannel& channel);

    // The installer ends, whatever the reason.
    void end() { stage_ = InstallStage::Ended; }

private:
    InstallState& state_;
    InstallStage stage_ = InstallStage::Choosing;
    InstallStage questionAskedIn_ = InstallStage::Choosing;
    bool folderReady_ = false;
};
