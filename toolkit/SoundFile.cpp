// PlaySoundFile: the sound library loaded on first use.
#include "toolkit/SoundFile.h"

#include <windows.h>

#include <mmsystem.h>

namespace {

using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);

// Loaded once and kept: an asynchronous sound plays on after the call, from
// the library's own thread.
PlaySoundFunction PlaySoundEntry() {
    static const PlaySoundFunction entry = [] {
        HMODULE library = LoadLibraryA("winmm.dll");
        return library ? reinterpret_cast<PlaySoundFunction>(
                             reinterpret_cast<void*>(GetProcAddress(library, "PlaySoundA")))
                       : nullptr;
    }();
    return entry;
}

} // namespace

void PlaySoundFile(const std::string& path) {
    if (PlaySoundFunction play = PlaySoundEntry())
        play(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}
