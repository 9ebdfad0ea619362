// The Vocabularies page: the large-icon list and its buttons. Every change
// rebuilds the whole list from the store.
#include "ui/VocabulariesPage.h"

#include "resources/PageIds.h"
#include "toolkit/RedrawFreeze.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/PageRequests.h"
#include "ui/VocabularyPropertiesDialog.h"
#include "vocab/DataStore.h"

const CommandHandler<VocabulariesPage> VocabulariesPage::kCommands[] = {
    {IDC_VOCAB_KEYWORDS, &VocabulariesPage::onKeywords},
    {IDC_VOCAB_ADD, &VocabulariesPage::onAdd},
    {IDC_VOCAB_PROPERTIES, &VocabulariesPage::onProperties},
    {IDC_VOCAB_DELETE, &VocabulariesPage::onDelete},
    {IDC_VOCAB_UP, &VocabulariesPage::onMoveUp},
    {IDC_VOCAB_DOWN, &VocabulariesPage::onMoveDown},
    {IDOK, &VocabulariesPage::onOk},
    {IDCANCEL, &VocabulariesPage::onCancel},
    {IDC_VOCAB_READ, &VocabulariesPage::onReadSelected},
    {IDC_VOCAB_READ_ALL, &VocabulariesPage::onReadAll},
};

const NotifyHandler<VocabulariesPage> VocabulariesPage::kNotifications[] = {
    {IDC_VOCAB_LIST, NM_DBLCLK, &VocabulariesPage::onDoubleClick},
    {IDC_VOCAB_LIST, LVN_BEGINDRAG, &VocabulariesPage::onBeginDrag},
};

const MessageMap<VocabulariesPage> VocabulariesPage::kMap{{}, kCommands, kNotifications};

const KeyCommand VocabulariesPage::kReadKeys[] = {
    {'R', false, IDC_VOCAB_READ},
    {'R', true, IDC_VOCAB_READ_ALL},
};

HWND VocabulariesPage::create(HWND tabbedWindow) {
    return createModeless(tabbedWindow, IDD_VOCABULARIES_PAGE);
}

HWND VocabulariesPage::list() const {
    return item(IDC_VOCAB_LIST);
}

BOOL VocabulariesPage::onInit() {
    // The list shares the image list (LVS_SHAREIMAGELISTS): this page owns it.
    // Room for a full table at once: growing one image at a time copies
    // every earlier image again.
    images_.reset(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, kMaxVocabularies, 8));
    ListView_SetImageList(list(), images_.get(), LVSIL_NORMAL);
    fill(0);
    readKeys_ = std::make_unique<KeyCommands>(hwnd(), kReadKeys);
    return TRUE;
}

int VocabulariesPage::selectedIndex() const {
    return ListView_GetNextItem(list(), -1, LVNI_SELECTED | LVNI_FOCUSED);
}

void VocabulariesPage::fill(int selected) {
    VocabularyTable& table = store_.vocabularies;
    int count = table.count();
    RedrawFreeze frozen(list());
    ListView_SetItemCount(list(), count);
    for (int index = 0; index < count; ++index) {
        const Vocabulary& vocabulary = *table.at(index);
        // The image list keeps a copy; our handle goes at the end of the turn.
        Icon icon = vocabularyIcon(vocabulary);
        int image = ImageList_ReplaceIcon(images_.get(), -1, icon.get());
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.pszText = const_cast<char*>(vocabulary.name.c_str());
        item.iImage = image;
        SendMessageA(list(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    UINT states = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list(), selected, states, states);
}

void VocabulariesPage::clear() {
    ListView_DeleteAllItems(list());
    ImageList_Remove(images_.get(), -1);
}

void VocabulariesPage::onKeywords() {
    askTabbedWindow(hwnd(), kShowKeywordsPageCommand);
}

LRESULT VocabulariesPage::onDoubleClick(NMHDR*) {
    onKeywords();
    return 0;
}

void VocabulariesPage::onAdd() {
    VocabularyTable& table = store_.vocabularies;
    // Tell the user before the dialog, not after the name has been typed.
    if (table.count() >= kMaxVocabularies) {
        showMessage(hwnd(), IDS_TABLE_FULL, MB_ICONSTOP);
        return;
    }
    VocabularyPropertiesDialog dialog;
    if (!dialog.run(hwnd()))
        return;
    clear();
    if (Vocabulary* vocabulary = table.add()) {
        vocabulary->name = dialog.name;
        vocabulary->setIcon(dialog.iconFile, dialog.iconIndex);
    }
    fill(0);
}

void VocabulariesPage::onProperties() {
    int selected = selectedIndex();
    VocabularyTable& table = store_.vocabularies;
    if (selected < 0)
        return;
    Vocabulary& vocabulary = *table.at(selected);
    VocabularyPropertiesDialog dialog;
    dialog.name = vocabulary.name.str();
    dialog.iconFile = vocabulary.iconFile.str();
    dialog.iconIndex = vocabulary.iconIndex;
    if (!dialog.run(hwnd()))
        return;
    clear();
    vocabulary.name = dialog.name;
    vocabulary.setIcon(dialog.iconFile, dialog.iconIndex);
    fill(0);
}

void VocabulariesPage::onDelete() {
    int selected = selectedIndex();
    VocabularyTable& table = store_.vocabularies;
    if (selected < 0)
        return;
    clear();
    table.remove(selected);
    fill(0);
}

void VocabulariesPage::onMoveUp() {
    int selected = selectedIndex();
    VocabularyTable& table = store_.vocabularies;
    if (selected < 0)
        return;
    clear();
    fill(table.moveUp(selected) ? selected - 1 : selected);
}

void VocabulariesPage::onMoveDown() {
    int selected = selectedIndex();
    VocabularyTable& table = store_.vocabularies;
    if (selected < 0)
        return;
    clear();
    fill(table.moveDown(selected) ? selected + 1 : selected);
}

// Dragging a vocabulary out commits every edit first: the read that follows
// the drop must see what the user sees here. The tabbed window does both.
LRESULT VocabulariesPage::onBeginDrag(NMHDR*) {
    int selected = selectedIndex();
    if (selected < 0)
        return 0;
    SendMessageA(GetParent(hwnd()), kDragVocabularyMessage, selected, 0);
    return 0;
}

void VocabulariesPage::onReadSelected() {
    int selected = selectedIndex();
    if (selected < 0) {
        showMessage(hwnd(), IDS_NO_VOCABULARY, MB_ICONSTOP);
        return;
    }
    readByKey(selected);
}

void VocabulariesPage::onReadAll() {
    readByKey(-1);
}

// The tabbed window commits the edits and has the read started.
void VocabulariesPage::readByKey(int index) {
    SendMessageA(GetParent(hwnd()), kReadVocabularyMessage, index, 0);
}

void VocabulariesPage::onOk() {
    askTabbedWindow(hwnd(), IDOK);
}

void VocabulariesPage::onCancel() {
    askTabbedWindow(hwnd(), IDCANCEL);
}
