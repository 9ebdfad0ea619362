// PlaySoundFile: plays a .wav file without waiting for it.
#pragma once

#include <string>

// Asynchronous and without the default sound: a wrong path stays silent and
// the caller goes on while the sound plays. The sound library is loaded the
// first time a sound plays, not with the program: most users keep the sounds
// off, and an idle program without it holds less memory.
void PlaySoundFile(const std::string& path);
