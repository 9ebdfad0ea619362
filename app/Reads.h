// The two reads of the remembered document window: with one vocabulary or
// with all of them. A read asked for while another runs, or with no
// document window remembered, does nothing.
#pragma once

void ReadVocabulary(int index);
void ReadAllVocabularies();
// The read of an icon dropped on a document: one vocabulary, or all of them
// when the index is -1.
void ReadDropped(int vocabularyIndex);
