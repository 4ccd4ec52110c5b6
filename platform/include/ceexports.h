// Ordinal exports of our libraries. A library (a shared object stored as a device .dll) exports
// its calls by name; it may also give some of them ordinals, as device DLLs do, with a table
//
//     extern "C" CEEXPORT const CeExport CeExportOrdinals[] = {
//         {1, "Add"}, {2, "Describe"}, {0, nullptr}};
//
// so that GetProcAddressW(module, MAKEINTRESOURCEW(1)) finds "Add". Each name must be an
// exported function of the same library; the table ends with {0, nullptr}.
#pragma once

#include "windef.h"

struct CeExport {
    WORD ordinal;
    const char* name;
};

#define CE_EXPORT_ORDINALS_SYMBOL "CeExportOrdinals"
// Linkage for the table and for a library's exported calls.
#define CEEXPORT __attribute__((visibility("default")))
