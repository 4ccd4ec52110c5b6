// Kelvara.exe's resource table: its menus, its dialog templates and its bitmaps.
#include "BusyDialog.h"
#include "DialogTemplates.h"
#include "EnglishMenuLabels.h"
#include "ceexports.h"

namespace {

constexpr unsigned char productBitmap[] = {
#include "ProductBitmap.png.inc"
};

constexpr unsigned char productIcon[] = {
#include "ProductIcon.png.inc"
};

#include "SkinResources.inc"

// Group icons may be PNG images themselves.
constexpr WORD groupIconType = 14;

constexpr std::array<CeResource, 16> ownResources = {
    ceResourceOf(CeResourceType::Dialog, mainWindowTemplateId, mainWindowTemplate),
    ceResourceOf(CeResourceType::Dialog, settingsTemplateId, settingsTemplate),
    ceResourceOf(CeResourceType::Dialog, questionTemplateId, questionTemplate),
    ceResourceOf(CeResourceType::Dialog, languagesTemplateId, languagesTemplate),
    ceResourceOf(CeResourceType::Dialog, operatingModeTemplateId, operatingModeTemplate),
    ceResourceOf(CeResourceType::Dialog, busyTemplateId, busyTemplate),
    ceResourceOf(CeResourceType::Dialog, aboutTemplateId, aboutTemplate),
    ceResourceOf(CeResourceType::Dialog, lookAndFeelTemplateId, lookAndFeelTemplate),
    ceResourceOf(CeResourceType::Dialog, memoryCleanerTemplateId, viewTemplate),
    ceResourceOf(CeResourceType::Dialog, databasesTemplateId, viewTemplate),
    ceResourceOf(CeResourceType::Dialog, startupsTemplateId, viewTemplate),
    ceResourceOf(CeResourceType::Dialog, tweaksTemplateId, viewTemplate),
    ceResourceOf(CeResourceType::Dialog, storageToolsTemplateId, viewTemplate),
    ceResourceOf(CeResourceType::Dialog, processesTemplateId, viewTemplate),
    ceResourceOf(groupIconType, programIconId, productIcon),
    ceResourceOf(CeResourceType::Bitmap, productBitmapId, productBitmap),
};

} // namespace

extern "C" CEEXPORT constinit const auto CeResources =
    joinResources(ProductMenus<englishMenuLabels>::resources, ownResources, skinResources);
