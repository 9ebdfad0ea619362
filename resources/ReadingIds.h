// Resource ids of the reading area (range 200-299).
#pragma once

#define IDD_KEYWORDS_FOUND 200
#define IDC_FOUND_LIST 201
#define IDC_FOUND_GO_TO 202
