// The two reads of the remembered document window: with one vocabulary or
// with all of them. A read asked for while another runs, or with no
// document window remembered, does nothing.
#pragma once

void ReadVocabulary(int index);
void ReadAllVocabularies();
