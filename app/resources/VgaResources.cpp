// KelvaraVGARes.dll: the program's bitmaps at double size under the same ids, for
// high-resolution screens. It has no code.
#include "DialogTemplates.h"
#include "ceexports.h"

namespace {

constexpr unsigned char productBitmap[] = {
#include "ProductBitmapVga.png.inc"
};

} // namespace

extern "C" CEEXPORT constinit const CeResource CeResources[] = {
    ceResourceOf(CeResourceType::Bitmap, productBitmapId, productBitmap),
    {},
};
