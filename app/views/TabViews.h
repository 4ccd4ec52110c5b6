// The six views of the main window, one per tab. Their pages' contents come with the tools they
// show; until then each page shows its name and an empty area.
#pragma once

#include "TabView.h"

class MemoryCleanerView : public TabView {
public:
    MemoryCleanerView() : TabView(0) {}
};

class DatabasesView : public TabView {
public:
    DatabasesView() : TabView(1) {}
};

class StartupsView : public TabView {
public:
    StartupsView() : TabView(2) {}
};

class TweaksView : public TabView {
public:
    TweaksView() : TabView(3) {}
};

class StorageToolsView : public TabView {
public:
    StorageToolsView() : TabView(4) {}
};

class ProcessesView : public TabView {
public:
    ProcessesView() : TabView(5) {}
};
