// MemoryRoom: asking before an allocation whose size comes from outside.
#pragma once

#include <cstddef>

// True when an allocation of `bytes` can be made now. The program is built
// without exceptions, where a failed allocation ends it; every allocation
// whose size comes from outside (documents, files, the clipboard) asks first,
// and the caller refuses the data instead.
bool roomFor(size_t bytes);
