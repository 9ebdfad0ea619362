// The two reads of the remembered document window: with one vocabulary or
// with all of them. A read asked for while another runs, while "Go to" plays
// its keys, or with no document window remembered, does nothing.
#pragma once

#include "reading/DocumentCapture.h"

// A read asked for by a key has no drop point: `clearing` is then
// CollapseByKey, and nothing is clicked. A read of a dropped icon is given
// the drop's click, which its own click must not pair with.
void ReadVocabulary(int index, SelectionClearing clearing = SelectionClearing::ClickAtStartPoint,
                    const SentClick& dropClick = {});
void ReadAllVocabularies(SelectionClearing clearing = SelectionClearing::ClickAtStartPoint,
                         const SentClick& dropClick = {});
// Makes ahead of the first read what every read needs: the keywords-found
// window, hidden. Called once the program has started.
void PrepareReads();
// The read of an icon dropped on a document: one vocabulary, or all of them
// when the index is -1.
void ReadDropped(int vocabularyIndex, const SentClick& dropClick);
