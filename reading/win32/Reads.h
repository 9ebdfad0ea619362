// The two reads of a document: with one vocabulary or with all of them.
#pragma once

void ReadVocabulary(int index);
void ReadAllVocabularies();
