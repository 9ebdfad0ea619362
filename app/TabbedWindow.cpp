// Placeholder until the tabbed window lands.
#include "app/TabbedWindow.h"

void TabbedWindow::open(int) {}
void TabbedWindow::sendToCurrent(int) {}
