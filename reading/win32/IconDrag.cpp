// Placeholder until the drag lands: the drag image list and nothing more.
#include "reading/win32/IconDrag.h"

IconDrag::IconDrag(HWND mainWindow)
    : mainWindow_(mainWindow), images_(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1)) {}

void IconDrag::start(HICON, int vocabularyIndex) { vocabularyIndex_ = vocabularyIndex; }

void IconDrag::step() {}
