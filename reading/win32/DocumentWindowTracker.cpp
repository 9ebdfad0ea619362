// Placeholder until the reading workflow lands.
#include "reading/win32/DocumentWindowTracker.h"

void DocumentWindowTracker::update() {}
