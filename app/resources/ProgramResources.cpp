// Kelvara.exe's resource table: its menus, its dialog templates and its bitmaps.
#include "DialogTemplates.h"
#include "EnglishMenuLabels.h"
#include "ceexports.h"

namespace {

constexpr unsigned char productBitmap[] = {
#include "ProductBitmap.png.inc"
};

constexpr std::array<CeResource, 6> ownResources = {
    ceResourceOf(CeResourceType::Dialog, mainWindowTemplateId, mainWindowTemplate),
    ceResourceOf(CeResourceType::Dialog, settingsTemplateId, settingsTemplate),
    ceResourceOf(CeResourceType::Dialog, questionTemplateId, questionTemplate),
    ceResourceOf(CeResourceType::Dialog, languagesTemplateId, languagesTemplate),
    ceResourceOf(CeResourceType::Dialog, operatingModeTemplateId, operatingModeTemplate),
    ceResourceOf(CeResourceType::Bitmap, productBitmapId, productBitmap),
};

} // namespace

extern "C" CEEXPORT constinit const auto CeResources =
    joinResources(ProductMenus<englishMenuLabels>::resources, ownResources);
