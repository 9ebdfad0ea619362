// The start of a drag of a vocabulary's icon from the Vocabularies page.
// The tabbed window commits first, so that the read sees every edit; the
// drag starts only when that commit saved and the primary button is still
// down. After a failed save (its message box took the release) a drag
// would drop at once, clicking into whatever window lies under the pointer.
#pragma once

class PageDragHost {
public:
    virtual ~PageDragHost() = default;
    // The tabbed window's OK: true when the edits were saved and it closes.
    virtual bool commitEdits() = 0;
    virtual bool primaryButtonDown() = 0;
    virtual void startDrag(int vocabularyIndex) = 0;
};

void startPageDrag(PageDragHost& host, int vocabularyIndex);
