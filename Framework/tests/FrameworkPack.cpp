// A language pack module for the framework tests: its own copy of menu 100 ("Pack 100") only.
#include "ceexports.h"
#include "ceresource.h"

namespace {

constexpr CeMenuItem packMenu100[] = {{u"Pack 100", 1284}};

} // namespace

extern "C" CEEXPORT constinit const CeResource CeResources[] = {
    ceResourceOf(CeResourceType::Menu, 100, packMenu100),
    {},
};
