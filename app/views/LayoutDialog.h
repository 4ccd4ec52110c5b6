// A dialog that places its controls by the screen's orientation from a layout table, scaled once
// per process from the design screen to the real one.
#pragma once

#include <span>

#include "BaseDialog.h"
#include "LayoutTable.h"

class LayoutDialog : public BaseDialog {
public:
    // Scales every layout table of the program to the screen, the first time one is made.
    LayoutDialog(int templateId, HWND parent);

    // The operations after the framework's, in order.
    virtual std::span<LayoutEntry> layoutTable();                 // none by default
    virtual RECT controlRect(int id, int orientation);             // 3: the current orientation
    virtual void onOrientationChanged(Orientation orientation);
    virtual void onLayoutDone();
    virtual RECT scaleRect(const RECT& rect, bool doubling);       // doubling or halving
    virtual void scaleTable(bool doubling);                        // high-resolution screens only

    LRESULT onSize(UINT type, int width, int height) override;
    // The title rule's height scaled to the screen as the layout tables are.
    int titleRuleHeight() override;

    // Moves every control of the table to its rectangle for the current orientation.
    void layOut();

protected:
    int lastOrientation = -1; // none yet: the first size lays the dialog out
};

// The screen's orientation now.
Orientation screenOrientation();

// The program's layout tables, scaled together once (LayoutTables.cpp), and each by its user.
std::span<const std::span<LayoutEntry>> programLayoutTables();
std::span<LayoutEntry> tabViewLayout();
std::span<LayoutEntry> aboutLayout();
