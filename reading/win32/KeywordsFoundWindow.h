// KeywordsFoundWindow: the "Keywords found" list with "Go to" and "Close".
#pragma once

class KeywordsFoundWindow {
public:
    virtual ~KeywordsFoundWindow() = default;
};
