// MemoryRoom: a trial allocation, given back at once.
#include "vocab/MemoryRoom.h"

#include <cstdlib>

// On one thread nothing else allocates between this trial and the real
// allocation that follows it, so the answer still holds then.
bool roomFor(size_t bytes) {
    void* trial = std::malloc(bytes ? bytes : 1);
    if (!trial)
        return false;
    std::free(trial);
    return true;
}
