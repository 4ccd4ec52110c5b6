// The Look and Feel dialog and its template. A colour is stored as its 24-bit value with the
// state of its box in the top byte; SkinInfo holds background | buttons × 256. When any of the
// five values changes they are all stored and the main window rebuilds the look.
#include "LookAndFeelDialog.h"

#include <array>

#include "AppState.h"
#include "BaseDialog.h"
#include "LookColours.h"
#include "ProductMenus.h"
#include "Settings.h"
#include "StringTable.h"
#include "commdlg.h"
#include "resources/DialogTemplates.h"

namespace {

enum Control : WORD {
    pageTitle = 9,
    backgroundLabel = 1240,
    buttonsLabel = 1241,
    backgroundCombo = 1271,
    buttonsCombo = 1273,
};

// A custom colour: its box, its swatch button, and the setting it edits.
struct ColourChoice {
    WORD box;
    WORD swatch;
    DWORD Settings::*setting;
    COLORREF LookColours::*resolved;
};

constexpr ColourChoice colourChoices[] = {
    {1260, 1306, &Settings::skinColor, &LookColours::backgroundHighlight},
    {1264, 1309, &Settings::buttonColor, &LookColours::buttonHighlight},
    {1269, 1313, &Settings::titleColor, &LookColours::titleText},
    {1267, 1311, &Settings::ctrlTextClr, &LookColours::controlText},
};

constexpr int backgroundNames = 62; // "Stripes", "Solid", "Gradient", "Hazy"
constexpr int buttonNames = 66;     // "Gel", "Shiny", "Rusty", "Simple"
constexpr DWORD customFlag = 0x01000000;

constexpr DWORD box = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD swatch = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD combo = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr CeDialogControl controls[] = {
    {u"STATIC", nullptr, pageTitle, WS_CHILD | WS_VISIBLE, 0, 4, 2, 232, 18},
    {u"STATIC", nullptr, backgroundLabel, WS_CHILD | WS_VISIBLE, 0, 8, 30, 80, 16},
    {u"COMBOBOX", nullptr, backgroundCombo, combo, 0, 90, 28, 142, 90},
    {u"STATIC", nullptr, buttonsLabel, WS_CHILD | WS_VISIBLE, 0, 8, 56, 80, 16},
    {u"COMBOBOX", nullptr, buttonsCombo, combo, 0, 90, 54, 142, 90},
    {u"BUTTON", nullptr, 1260, box, 0, 8, 86, 190, 18},
    {u"BUTTON", nullptr, 1306, swatch, 0, 204, 84, 28, 22},
    {u"BUTTON", nullptr, 1264, box, 0, 8, 112, 190, 18},
    {u"BUTTON", nullptr, 1309, swatch, 0, 204, 110, 28, 22},
    {u"BUTTON", nullptr, 1269, box, 0, 8, 138, 190, 18},
    {u"BUTTON", nullptr, 1313, swatch, 0, 204, 136, 28, 22},
    {u"BUTTON", nullptr, 1267, box, 0, 8, 164, 190, 18},
    {u"BUTTON", nullptr, 1311, swatch, 0, 204, 162, 28, 22},
};

// The colour chooser's custom colours, kept for the run.
std::array<COLORREF, 16> customColours = {0x000000, 0xFFFFFF, 0xC8C8C8, 0xFFFFFF, 0xAF0000, 0xC8FFC8, 0xFFC8AA,
    0xC8C8FF, 0xC8FFFF, 0xDCFFFF};

class LookAndFeelDialog : public BaseDialog {
public:
    explicit LookAndFeelDialog(HWND owner) : BaseDialog(lookAndFeelTemplateId, owner) { helpTopic = 30; }

    LRESULT onInitDialog(WPARAM wParam) override
    {
        initShell(wParam, standardShellFlags, doneMenuId);
        const Settings& stored = settings();
        fillCombo(backgroundCombo, backgroundNames, stored.skinInfo & 0xFF);
        fillCombo(buttonsCombo, buttonNames, (stored.skinInfo >> 8) & 0xFF);
        const LookColours current = lookColours(stored);
        for (size_t at = 0; at < std::size(colourChoices); ++at) {
            const ColourChoice& choice = colourChoices[at];
            const DWORD value = stored.*choice.setting;
            colours[at] = (value >> 24) ? (value & 0xFFFFFF) : current.*choice.resolved;
            setCheck(choice.box, value >> 24);
            enableItem(choice.swatch, value >> 24);
        }
        return 1;
    }

    LRESULT onCommand(UINT code, UINT id, HWND control) override
    {
        if (id == IDOK || id == doneCommand) {
            saveSettings();
            EndDialog(hwnd, IDOK);
            return 0;
        }
        if (id == IDCANCEL)
            return 0;
        if ((id == backgroundCombo || id == buttonsCombo) && code == CBN_SELCHANGE) {
            apply();
            return 0;
        }
        for (size_t at = 0; at < std::size(colourChoices); ++at) {
            const ColourChoice& choice = colourChoices[at];
            if (id == choice.box) {
                enableItem(choice.swatch, isChecked(choice.box));
                apply();
                return 0;
            }
            if (id == choice.swatch) {
                chooseColour(at);
                return 0;
            }
        }
        return id == backgroundCombo || id == buttonsCombo ? 0 : BaseDialog::onCommand(code, id, control);
    }

    // The swatches: a white face, inset by the resolution factor and filled with the colour.
    LRESULT onDrawItem(int id, DRAWITEMSTRUCT* item) override
    {
        for (size_t at = 0; at < std::size(colourChoices); ++at) {
            if (colourChoices[at].swatch != id || !item)
                continue;
            RECT face = item->rcItem;
            FillRect(item->hDC, &face, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            const int inset = resolutionFactor();
            InflateRect(&face, -inset, -inset);
            HBRUSH fill = CreateSolidBrush(isChecked(colourChoices[at].box) ? colours[at] : GetSysColor(COLOR_GRAYTEXT));
            FillRect(item->hDC, &face, fill);
            DeleteObject(fill);
            return TRUE;
        }
        return BaseDialog::onDrawItem(id, item);
    }

private:
    std::array<COLORREF, std::size(colourChoices)> colours {};

    void fillCombo(WORD id, int firstName, DWORD selected)
    {
        for (int name = 0; name < 4; ++name) {
            const char16_t* text = getString(firstName + name);
            SendDlgItemMessageW(hwnd, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : u""));
        }
        SendDlgItemMessageW(hwnd, id, CB_SETCURSEL, selected < 4 ? selected : 0, 0);
    }

    void chooseColour(size_t at)
    {
        CHOOSECOLORW request {};
        request.lStructSize = sizeof request;
        request.hwndOwner = hwnd;
        request.rgbResult = colours[at];
        request.lpCustColors = customColours.data();
        request.Flags = CC_RGBINIT;
        if (!ChooseColorW(&request))
            return;
        colours[at] = request.rgbResult & 0xFFFFFF;
        InvalidateRect(GetDlgItem(hwnd, colourChoices[at].swatch), nullptr, TRUE);
        apply();
    }

    // Stores the five look settings when any of them changed, and has the look rebuilt.
    void apply()
    {
        Settings& stored = settings();
        const auto selected = [this](WORD id) {
            const auto index = SendDlgItemMessageW(hwnd, id, CB_GETCURSEL, 0, 0);
            return static_cast<DWORD>(index < 0 ? 0 : index);
        };
        const DWORD skinInfo = selected(backgroundCombo) | selected(buttonsCombo) * 256;
        std::array<DWORD, std::size(colourChoices)> values {};
        bool changed = skinInfo != stored.skinInfo;
        for (size_t at = 0; at < std::size(colourChoices); ++at) {
            values[at] = (colours[at] & 0xFFFFFF) | (isChecked(colourChoices[at].box) ? customFlag : 0);
            changed = changed || values[at] != stored.*colourChoices[at].setting;
        }
        if (!changed)
            return;
        stored.skinInfo = skinInfo;
        for (size_t at = 0; at < std::size(colourChoices); ++at)
            stored.*colourChoices[at].setting = values[at];
        if (HWND main = appState().mainWindow)
            SendMessageW(main, WM_SYSCOLORCHANGE, 0, 0);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
};

} // namespace

constinit const CeDialogTemplate lookAndFeelTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, controls};

void runLookAndFeelDialog(HWND owner)
{
    LookAndFeelDialog(owner).doModal();
}
