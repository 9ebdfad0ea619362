// VocabulariesPage: the "Vocabularies" tab. Every vocabulary as a large icon
// with its name; add, rename, re-icon, delete, reorder, and the drag of one
// vocabulary's icon onto a document, or its read by Ctrl+R.
#pragma once

#include "toolkit/Dialog.h"
#include "toolkit/Handles.h"
#include "toolkit/KeyCommands.h"

#include <memory>

class DataStore;

class VocabulariesPage : public DialogImpl<VocabulariesPage> {
public:
    // The page edits `store`, which outlives it.
    explicit VocabulariesPage(DataStore& store) : store_(store) {}
    // Creates the page as a hidden child of the tabbed window.
    HWND create(HWND tabbedWindow);
    // The item both selected and focused, or -1.
    int selectedIndex() const;

    static const MessageMap<VocabulariesPage> kMap;

private:
    static const CommandHandler<VocabulariesPage> kCommands[];
    static const NotifyHandler<VocabulariesPage> kNotifications[];
    static const KeyCommand kReadKeys[];

    BOOL onInit() override;
    void onKeywords();
    void onAdd();
    void onProperties();
    void onDelete();
    void onMoveUp();
    void onMoveDown();
    void onOk();
    void onCancel();
    void onReadSelected();
    void onReadAll();
    // The drag's commit, then a read of the remembered document window
    // without a drop point (index -1: all vocabularies).
    void readByKey(int index);
    LRESULT onDoubleClick(NMHDR*);
    LRESULT onBeginDrag(NMHDR*);

    // Lists every vocabulary of the store and selects item `selected`.
    void fill(int selected);
    void clear();
    HWND list() const;

    ImageList images_;
    DataStore& store_;
    std::unique_ptr<KeyCommands> readKeys_;
};
