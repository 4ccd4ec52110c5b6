// The program's dialog templates and bitmaps, by resource id. Each template is written next to
// the dialog procedure that uses it; the program's resource table names them all.
#pragma once

#include "ceresource.h"
#include "windows.h"

enum DialogTemplateId : WORD {
    mainWindowTemplateId = 500,
    memoryCleanerTemplateId = 502,
    processesTemplateId = 503,
    aboutTemplateId = 504,
    databasesTemplateId = 507,
    startupsTemplateId = 508,
    tweaksTemplateId = 509,
    storageToolsTemplateId = 510,
    settingsTemplateId = 511,
    questionTemplateId = 512,
    languagesTemplateId = 518,
    operatingModeTemplateId = 1362,
    lookAndFeelTemplateId = 1363,
};

enum BitmapId : WORD {
    productBitmapId = 101,
};

// The Pocket PC window style of every dialog; SHInitDialog sizes it to the screen.
inline constexpr DWORD dialogStyle = WS_POPUP | WS_CAPTION;

extern const CeDialogTemplate mainWindowTemplate;
extern const CeDialogTemplate settingsTemplate;
extern const CeDialogTemplate questionTemplate;
extern const CeDialogTemplate languagesTemplate;
extern const CeDialogTemplate operatingModeTemplate;
extern const CeDialogTemplate aboutTemplate;
extern const CeDialogTemplate lookAndFeelTemplate;
extern const CeDialogTemplate viewTemplate; // every tab view's, for now
