// Resource ids of the vocabularies and keywords pages and their dialogs
// (range 300-599).
#pragma once

// Vocabularies page.
#define IDD_VOCABULARIES_PAGE 300
#define IDC_VOCAB_LIST 301
#define IDC_VOCAB_KEYWORDS 302
#define IDC_VOCAB_ADD 303
#define IDC_VOCAB_PROPERTIES 304
#define IDC_VOCAB_DELETE 305
#define IDC_VOCAB_UP 306
#define IDC_VOCAB_DOWN 307
#define IDC_VOCAB_HINT 308
#define IDC_VOCAB_KEYS_HINT 311
// Ctrl+R and Ctrl+Shift+R: commands only, no controls.
#define IDC_VOCAB_READ 309
#define IDC_VOCAB_READ_ALL 310

// Keywords page.
#define IDD_KEYWORDS_PAGE 320
#define IDC_KEYWORDS_VOCABULARY 321
#define IDC_KEYWORDS_PICTURE 322
#define IDC_KEYWORDS_LIST 323
#define IDC_KEYWORDS_ADD 324
#define IDC_KEYWORDS_EDIT 325
#define IDC_KEYWORDS_COPY 326
#define IDC_KEYWORDS_PASTE 327
#define IDC_KEYWORDS_DELETE 328
#define IDC_KEYWORDS_UP 329
#define IDC_KEYWORDS_DOWN 330
#define IDC_KEYWORDS_LABEL 331

// Keyword entry dialog ("Keywords").
#define IDD_KEYWORD_ENTRY 340
#define IDC_ENTRY_TEXT 341
#define IDC_ENTRY_MATCH 342

// Vocabulary properties dialog.
#define IDD_VOCABULARY_PROPERTIES 360
#define IDC_PROPS_PICTURE 361
#define IDC_PROPS_NAME 362
#define IDC_PROPS_SELECT_ICON 363

// Change Icon dialog.
#define IDD_CHANGE_ICON 380
#define IDC_ICON_PREVIEW 381
#define IDC_ICON_FILE 382
#define IDC_ICON_BROWSE 383
#define IDC_ICON_LIST 384

// Message texts.
#define IDS_NO_VOCABULARY 400
#define IDS_TABLE_FULL 401
#define IDS_NO_DOCUMENT 402
