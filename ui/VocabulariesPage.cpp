// The Vocabularies page: the large-icon list and its buttons. Every change
// rebuilds the whole list from the store.
#include "ui/VocabulariesPage.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/TabbedWindow.h"
#include "app/logic/PageDrag.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "resources/PageIds.h"
#include "toolkit/RedrawFreeze.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/VocabularyPropertiesDialog.h"

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

namespace {
VocabularyTable* vocabularies() {
    DataStore* store = app().store();
    return store ? &store->vocabularies : nullptr;
}

class Win32PageDrag : public PageDragHost {
public:
    bool commitEdits() override { return TabbedWindow::commitCurrent(); }
    bool leftButtonDown() override { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }
    // After the commit the working copy is the program's store.
    void startDrag(int index) override {
        Vocabulary* vocabulary = app().store()->vocabularies.at(index);
        if (!vocabulary || !app().mainWindow)
            return;
        Icon icon = vocabularyIcon(*vocabulary);
        app().mainWindow->startIconDrag(icon.get(), index);
    }
};
} // namespace

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
    VocabularyTable* table = vocabularies();
    int count = table ? table->count() : 0;
    RedrawFreeze frozen(list());
    ListView_SetItemCount(list(), count);
    for (int index = 0; index < count; ++index) {
        const Vocabulary& vocabulary = *table->at(index);
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
    if (app().tabbedWindow)
        app().tabbedWindow->showPage(TabbedWindow::kKeywordsPage);
}

LRESULT VocabulariesPage::onDoubleClick(NMHDR*) {
    onKeywords();
    return 0;
}

void VocabulariesPage::onAdd() {
    VocabularyTable* table = vocabularies();
    if (!table)
        return;
    // Tell the user before the dialog, not after the name has been typed.
    if (table->count() >= kMaxVocabularies) {
        showMessage(hwnd(), IDS_TABLE_FULL, MB_ICONEXCLAMATION);
        return;
    }
    VocabularyPropertiesDialog dialog;
    if (!dialog.run(hwnd()))
        return;
    clear();
    if (Vocabulary* vocabulary = table->add()) {
        vocabulary->name = dialog.name;
        vocabulary->setIcon(dialog.iconFile, dialog.iconIndex);
    }
    fill(0);
}

void VocabulariesPage::onProperties() {
    int selected = selectedIndex();
    VocabularyTable* table = vocabularies();
    if (selected < 0 || !table)
        return;
    Vocabulary& vocabulary = *table->at(selected);
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
    VocabularyTable* table = vocabularies();
    if (selected < 0 || !table)
        return;
    clear();
    table->remove(selected);
    fill(0);
}

void VocabulariesPage::onMoveUp() {
    int selected = selectedIndex();
    VocabularyTable* table = vocabularies();
    if (selected < 0 || !table)
        return;
    clear();
    fill(table->moveUp(selected) ? selected - 1 : selected);
}

void VocabulariesPage::onMoveDown() {
    int selected = selectedIndex();
    VocabularyTable* table = vocabularies();
    if (selected < 0 || !table)
        return;
    clear();
    fill(table->moveDown(selected) ? selected + 1 : selected);
}

// Dragging a vocabulary out commits every edit first: the read that follows
// the drop must see what the user sees here.
LRESULT VocabulariesPage::onBeginDrag(NMHDR*) {
    int selected = selectedIndex();
    VocabularyTable* table = vocabularies();
    if (selected < 0 || !table)
        return 0;
    Win32PageDrag drag;
    startPageDrag(drag, selected);
    return 0;
}

void VocabulariesPage::onReadSelected() {
    int selected = selectedIndex();
    if (selected < 0) {
        showMessage(hwnd(), IDS_NO_VOCABULARY, MB_ICONINFORMATION);
        return;
    }
    readByKey(selected);
}

void VocabulariesPage::onReadAll() {
    readByKey(-1);
}

// Nothing is committed when there is nothing to read: the user stays in the
// window with every edit. Otherwise the same commit as the drag's (no read
// when the save failed and the window stays open), then the read, which the
// main window starts once this window has closed.
void VocabulariesPage::readByKey(int index) {
    if (!IsWindow(app().tracker().window())) {
        showMessage(hwnd(), IDS_NO_DOCUMENT, MB_ICONINFORMATION);
        return;
    }
    if (!TabbedWindow::commitCurrent())
        return;
    if (app().mainWindow)
        app().mainWindow->readByKey(index);
}

void VocabulariesPage::onOk() {
    TabbedWindow::sendToCurrent(IDOK);
}

void VocabulariesPage::onCancel() {
    TabbedWindow::sendToCurrent(IDCANCEL);
}
