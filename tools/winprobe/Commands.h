// Every probe command: reads its arguments, fills the answer, throws ProbeError on failure.
#pragma once

#include "Protocol.h"

using CommandFunction = void (*)(const Args& args, JsonObject& answer);

struct Command {
    const char* name;
    CommandFunction run;
};

// Shared by the command files.
LRESULT sendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
std::wstring windowText(HWND window);
JsonObject windowInfo(HWND window);
HWND clipboardOwnerWindow();

// Windows and menus (WindowCommands.cpp, MenuCommands.cpp).
void cmdPing(const Args& args, JsonObject& answer);
void cmdWindows(const Args& args, JsonObject& answer);
void cmdWindow(const Args& args, JsonObject& answer);
void cmdChildren(const Args& args, JsonObject& answer);
void cmdForeground(const Args& args, JsonObject& answer);
void cmdThreadState(const Args& args, JsonObject& answer);
void cmdSetForeground(const Args& args, JsonObject& answer);
void cmdText(const Args& args, JsonObject& answer);
void cmdSetText(const Args& args, JsonObject& answer);
void cmdPost(const Args& args, JsonObject& answer);
void cmdDropFiles(const Args& args, JsonObject& answer);
void cmdSend(const Args& args, JsonObject& answer);
void cmdCommand(const Args& args, JsonObject& answer);
void cmdCheck(const Args& args, JsonObject& answer);
void cmdClick(const Args& args, JsonObject& answer);
void cmdCursor(const Args& args, JsonObject& answer);
void cmdPixel(const Args& args, JsonObject& answer);
void cmdScreenPixels(const Args& args, JsonObject& answer);
void cmdKeys(const Args& args, JsonObject& answer);
void cmdMetrics(const Args& args, JsonObject& answer);
void cmdMenu(const Args& args, JsonObject& answer);
void cmdResourceMenu(const Args& args, JsonObject& answer);

// Common controls (ControlCommands.cpp, ListViewCommands.cpp).
void cmdTab(const Args& args, JsonObject& answer);
void cmdTabSelect(const Args& args, JsonObject& answer);
void cmdTabRect(const Args& args, JsonObject& answer);
void cmdListBox(const Args& args, JsonObject& answer);
void cmdListBoxSelect(const Args& args, JsonObject& answer);
void cmdCombo(const Args& args, JsonObject& answer);
void cmdComboSelect(const Args& args, JsonObject& answer);
void cmdListView(const Args& args, JsonObject& answer);
void cmdListViewSetState(const Args& args, JsonObject& answer);
void cmdListViewItemRect(const Args& args, JsonObject& answer);

// Processes, held files and the clipboard (SystemCommands.cpp).
void cmdProcesses(const Args& args, JsonObject& answer);
void cmdAlive(const Args& args, JsonObject& answer);
void cmdKill(const Args& args, JsonObject& answer);
void cmdResources(const Args& args, JsonObject& answer);
void cmdHoldFile(const Args& args, JsonObject& answer);
void cmdReleaseFile(const Args& args, JsonObject& answer);
void cmdClipSet(const Args& args, JsonObject& answer);
void cmdClipText(const Args& args, JsonObject& answer);
void cmdClipData(const Args& args, JsonObject& answer);
void cmdClipFormats(const Args& args, JsonObject& answer);
void cmdClipEmpty(const Args& args, JsonObject& answer);
void cmdClipOpen(const Args& args, JsonObject& answer);

// Drawings held as GDI handles on the clipboard (DrawingCommands.cpp).
void cmdClipDrawings(const Args& args, JsonObject& answer);
void cmdClipDrawing(const Args& args, JsonObject& answer);
// A hung clipboard viewer (ViewerCommands.cpp).
void cmdClipViewerHang(const Args& args, JsonObject& answer);
void cmdClipViewerRelease(const Args& args, JsonObject& answer);
