// What a page of the tabbed window asks of it. A page knows the tabbed
// window only as its parent window: OK and Cancel go up as IDOK and
// IDCANCEL, the rest as the command and message below.
#pragma once

#include <windows.h>

// Shows the Keywords page for the vocabulary selected on the Vocabularies
// page. Far above the resource ids, so no control of the window sends it.
constexpr int kShowKeywordsPageCommand = 0x7F01;

// Commits the edits and, when they were saved and the left button is still
// down, starts the drag of a vocabulary's icon; wParam is its index.
constexpr UINT kDragVocabularyMessage = WM_APP + 1;

// Commits the edits and reads the remembered document, as a key asks: with
// the vocabulary whose index is wParam, or with all of them when it is -1.
constexpr UINT kReadVocabularyMessage = WM_APP + 2;

// Sends `command` to the page's parent, the tabbed window.
inline void askTabbedWindow(HWND page, int command) {
    SendMessageA(GetParent(page), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
}
