// Where a list view's rows, columns and their parts are: every view lays out as the report
// view (one row per item under the header, columns side by side), scrolled vertically by whole
// rows from the top index. Hit-testing, item rectangles and scrolling read this.
#pragma once

#include "ListViewState.h"

namespace ce::gwes {

RECT clientRect(const ListView& lv);
int rowHeight(const ListView& lv);
int headerHeight(const ListView& lv);
int countPerPage(const ListView& lv);
// The largest top index: the last row at the bottom of the page.
int maxTopIndex(const ListView& lv);
// The left edge and width of a column as shown (display order); no columns: one column as wide
// as the control.
int columnLeft(const ListView& lv, int column);
int columnWidth(const ListView& lv, int column);
int totalColumnWidth(const ListView& lv);
// The indent, state image and small image in front of an item's label, in pixels.
int stateImageWidth(const ListView& lv);
int smallImageWidth(const ListView& lv);
int indentPixels(ListView& lv, int item);

// LVM_GETITEMRECT / LVM_GETSUBITEMRECT (LVIR_* code); false for a bad item or code.
bool itemRect(ListView& lv, int item, int code, RECT& rect);
bool subItemRect(ListView& lv, int item, int subItem, int code, RECT& rect);
// LVM_HITTEST (subItems false) and LVM_SUBITEMHITTEST: the item index or -1.
LRESULT hitTest(ListView& lv, LVHITTESTINFO* info, bool subItems);

void invalidateItem(const ListView& lv, int item);
// Scrolls so that `top` is the first row shown, within what the rows allow.
void setTopIndex(ListView& lv, int top);
bool ensureVisible(ListView& lv, int item, bool partialOk);
LRESULT scrollBy(ListView& lv, int dx, int dy);
LRESULT verticalScroll(ListView& lv, WPARAM request);
// LVM_APPROXIMATEVIEWRECT: MAKELONG(width, height) for `count` items (-1: all).
LRESULT approximateViewRect(ListView& lv, int count);
// Places (and shows or hides) the header child over the rows.
void layoutHeader(const ListView& lv);

} // namespace ce::gwes
