// The English string table the program carries: every user-visible text by its id.
#pragma once

constexpr int stringCount = 709; // ids 0 to 708

// The English text of a string id; null for id 523 (which has none) and for ids outside the table.
const char16_t* englishString(int id);
