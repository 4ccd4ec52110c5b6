// A progress bar drawn by the look: attached to a control of a view, it shows a position from 0
// to 100, or steps round for a task whose length is not known.
#pragma once

#include "BaseWnd.h"

class SkinnedProgress : public BaseWnd {
public:
    int position() const { return current; }
    // Shows `position`, held to 0-100.
    void setPosition(int position);
    // One step of an open-ended task: the position goes up by one and wraps from 100 to 0.
    void step();

    LRESULT onPaint(HDC dc) override;
    LRESULT onEraseBkgnd(HDC dc) override;

private:
    int current = 0;
};
