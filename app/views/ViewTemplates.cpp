// The six tab views' templates: the page title, the title-bar buttons and the tab buttons. Each
// view's pages add their own controls as they are built. Positions are the portrait layout; the
// layout table places the controls for the screen in use.
#include "TabTable.h"
#include "TabView.h"
#include "TTButton.h"
#include "ceresource.h"
#include "resources/DialogTemplates.h"

namespace {

constexpr DWORD skinned = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

constexpr CeDialogControl viewControls[] = {
    {u"STATIC", nullptr, pageTitleId, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOTIFY, 0, 2, 2, 94, 18},
    {skinnedButtonClass, nullptr, resizeButtonId, skinned, 0, 98, 1, 46, 20},
    {skinnedButtonClass, nullptr, optionsButtonId, skinned, 0, 146, 1, 46, 20},
    {skinnedButtonClass, nullptr, refreshButtonId, skinned, 0, 194, 1, 44, 20},
    {skinnedButtonClass, nullptr, 1102, skinned, 0, 0, 244, 40, 24},
    {skinnedButtonClass, nullptr, 1092, skinned, 0, 40, 244, 40, 24},
    {skinnedButtonClass, nullptr, 1093, skinned, 0, 80, 244, 40, 24},
    {skinnedButtonClass, nullptr, 1095, skinned, 0, 120, 244, 40, 24},
    {skinnedButtonClass, nullptr, 1105, skinned, 0, 160, 244, 40, 24},
    {skinnedButtonClass, nullptr, 1104, skinned, 0, 200, 244, 40, 24},
};

} // namespace

// One template per view; their controls are the same until the pages fill them.
constinit const CeDialogTemplate viewTemplate {WS_CHILD, 0, 0, 0, 240, 268, nullptr, nullptr, 0, viewControls};
