// KelvaraVGARes.dll: the program's bitmaps at double size under the same ids, for
// high-resolution screens. It has no code.
#include "DialogTemplates.h"
#include "ProductMenus.h"
#include "ceexports.h"

namespace {

constexpr unsigned char productBitmap[] = {
#include "ProductBitmapVga.png.inc"
};

#include "SkinResourcesVga.inc"

constexpr std::array<CeResource, 1> ownResources = {ceResourceOf(CeResourceType::Bitmap, productBitmapId, productBitmap)};

} // namespace

extern "C" CEEXPORT constinit const auto CeResources = joinResources(ownResources, skinResources);
