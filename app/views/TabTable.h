// The main window's six tabs: their buttons, captions, view templates and pages, in tab order.
#pragma once

#include <span>

#include "windows.h"

struct TabPage {
    int nameId;    // string id of the page's name
    UINT command;  // its "Jump To" command (0: none in the menu)
    int helpTopic; // the help topic of the view while the page shows
};

struct TabInfo {
    WORD buttonId;
    int captionId;
    int templateId;
    std::span<const TabPage> pages;
};

constexpr int tabCount = 6;
extern const TabInfo tabTable[tabCount];

// The tab whose button is `buttonId`, or -1.
int tabOfButton(UINT buttonId);

// The tab and page a "Jump To" command shows; false for other commands.
bool pageOfCommand(UINT command, int& tab, int& page);
