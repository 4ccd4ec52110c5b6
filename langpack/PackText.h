// What a language's data file holds: its display name, its texts by string id and its menu labels.
#pragma once

#include "ProductMenus.h"

// One translated text. Ids without an entry fall back to English in the program.
struct PackText {
    int id;
    const char16_t* text;
};
