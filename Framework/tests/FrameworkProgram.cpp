// A program module for the framework tests: menus 100 ("Program 100") and 200 ("Program 200"),
// the busy dialog's template and a dialog with a list and a skinned button.
#include "BusyDialog.h"
#include "FrameworkTestIds.h"
#include "ceexports.h"

namespace {

constexpr CeMenuItem programMenu100[] = {{u"Program 100", 1284}};
constexpr CeMenuItem programMenu200[] = {{u"Program 200", 1284}};

constexpr CeDialogControl listControls[] = {
    {u"SysListView32", nullptr, testListId, WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 4, 30, 200, 120},
    {u"TTButton", u"Skinned", testButtonId, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 4, 160, 80, 24},
    {u"STATIC", u"Title", 9, WS_CHILD | WS_VISIBLE, 0, 4, 2, 200, 18},
};
constexpr CeDialogTemplate listDialog {WS_POPUP | WS_CAPTION, 0, 0, 0, 240, 268, u"List", nullptr, 0, listControls};

} // namespace

extern "C" CEEXPORT constinit const CeResource CeResources[] = {
    ceResourceOf(CeResourceType::Menu, 100, programMenu100),
    ceResourceOf(CeResourceType::Menu, 200, programMenu200),
    ceResourceOf(CeResourceType::Dialog, busyTemplateId, busyTemplate),
    ceResourceOf(CeResourceType::Dialog, testListDialogId, listDialog),
    {},
};
