// A list view's columns, mirrored into its header child, and what the header tells the list:
// taps on titles become LVN_COLUMNCLICK, width changes made on the header resize the column.
#pragma once

#include "ListViewState.h"

namespace ce::gwes {

LRESULT insertColumn(ListView& lv, int index, const LVCOLUMNW* values);
LRESULT deleteColumn(ListView& lv, int index);
LRESULT getColumn(ListView& lv, int index, LVCOLUMNW* values);
LRESULT setColumn(ListView& lv, int index, const LVCOLUMNW* values);
LRESULT getColumnWidth(const ListView& lv, int index);
// cx may be LVSCW_AUTOSIZE (widest cell) or LVSCW_AUTOSIZE_USEHEADER (also the title; the last
// column fills what is left of the control).
LRESULT setColumnWidth(ListView& lv, int index, int cx);
LRESULT getColumnOrder(const ListView& lv, WPARAM count, int* order);
LRESULT setColumnOrder(ListView& lv, WPARAM count, const int* order);
// WM_NOTIFY from the header: passed on to the list's parent, then acted on.
LRESULT headerNotification(ListView& lv, WPARAM id, NMHDR* header);

} // namespace ce::gwes
