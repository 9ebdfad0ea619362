// A window as the platform-free reading rules see it: the system's handle,
// untouched, so that the rules build and are tested without windows.
#pragma once

using WindowHandle = void*;
