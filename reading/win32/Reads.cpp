// Placeholder until the reading workflow lands.
#include "reading/win32/Reads.h"

void ReadVocabulary(int) {}
void ReadAllVocabularies() {}
