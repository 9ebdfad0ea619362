// The installed VocabPlatform, and the window-less one used until a real
// platform is installed (native tools have no windows, icons or messages).
#include "vocab/VocabPlatform.h"

#include "vocab/StdioFileSystem.h"

namespace {

class WindowlessPlatform : public VocabPlatform {
public:
    IconHandle shellIcon(const std::string&) override { return nullptr; }
    IconHandle extractIcon(const std::string&, int) override { return nullptr; }
    std::string windowTitle(WindowHandle) override { return {}; }
    void reportError(const char*) override {}
    FileSystem& files() override { return files_; }

private:
    StdioFileSystem files_;
};

VocabPlatform* installedPlatform = nullptr;

} // namespace

VocabPlatform& vocabPlatform() {
    if (!installedPlatform) {
        static WindowlessPlatform windowless;
        return windowless;
    }
    return *installedPlatform;
}

void setVocabPlatform(VocabPlatform* platform) {
    installedPlatform = platform;
}
