// The application state record, the help topics and the screen's resolution class.
#include "AppState.h"

#include "StringTable.h"

AppState& appState()
{
    static AppState state;
    return state;
}

void activateUserLanguage(const std::u16string& fileName)
{
    AppState& state = appState();
    state.uiResourceModule = activateLanguage(fileName) ? activeLanguagePack() : state.instance;
}

const char16_t* const kelvaraHelpTopics[] = {u"Main_Contents", u"kv_na", u"kv_qc", u"kv_ac", u"kv_rm", u"kv_cc",
    u"kv_co", u"kv_ca", u"kv_db", u"kv_nq", u"kv_rd", u"kv_ex", u"kv_sp", u"kv_ss", u"kv_tp", u"kv_ac", u"kv_mt",
    u"kv_si", u"kv_do", u"kv_su", u"kv_ff", u"kv_ci", u"kv_ip", u"kv_cd", u"kv_so", u"kv_mu", u"kv_rp", u"kv_cu",
    u"kv_ps", u"kv_ab", u"kv_lf", u""};

void setHelp(AppState& state)
{
    state.helpFile = u"Kelvara.htm";
    state.helpTopics = kelvaraHelpTopics;
    state.helpTopicCount = 0;
    while (kelvaraHelpTopics[state.helpTopicCount][0] != u'\0')
        ++state.helpTopicCount;
}

bool isHighResolution()
{
    AppState& state = appState();
    if (!state.highResolution) {
        HDC screen = GetDC(nullptr);
        const int width = GetDeviceCaps(screen, HORZRES);
        const int height = GetDeviceCaps(screen, VERTRES);
        ReleaseDC(nullptr, screen);
        // 240 on either side, or 320 on both, is a Pocket PC's own resolution.
        state.highResolution = !(width == 240 || height == 240 || (width == 320 && height == 320));
    }
    return *state.highResolution;
}

int resolutionFactor()
{
    return isHighResolution() ? 2 : 1;
}
