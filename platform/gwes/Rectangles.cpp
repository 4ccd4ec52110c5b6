// The rectangle helpers: right and bottom exclusive, an empty rectangle being one with no pixels.
#include <algorithm>

#include "windows.h"

BOOL SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom)
{
    if (!lprc)
        return FALSE;
    *lprc = {xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT lprc)
{
    return SetRect(lprc, 0, 0, 0, 0);
}

BOOL CopyRect(LPRECT lprcDst, const RECT* lprcSrc)
{
    if (!lprcDst || !lprcSrc)
        return FALSE;
    *lprcDst = *lprcSrc;
    return TRUE;
}

BOOL InflateRect(LPRECT lprc, int dx, int dy)
{
    if (!lprc)
        return FALSE;
    *lprc = {lprc->left - dx, lprc->top - dy, lprc->right + dx, lprc->bottom + dy};
    return TRUE;
}

BOOL OffsetRect(LPRECT lprc, int dx, int dy)
{
    if (!lprc)
        return FALSE;
    *lprc = {lprc->left + dx, lprc->top + dy, lprc->right + dx, lprc->bottom + dy};
    return TRUE;
}

BOOL IsRectEmpty(const RECT* lprc)
{
    return !lprc || lprc->right <= lprc->left || lprc->bottom <= lprc->top;
}

BOOL IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2)
{
    if (!lprcDst || !lprcSrc1 || !lprcSrc2)
        return FALSE;
    const RECT meet {std::max(lprcSrc1->left, lprcSrc2->left), std::max(lprcSrc1->top, lprcSrc2->top),
        std::min(lprcSrc1->right, lprcSrc2->right), std::min(lprcSrc1->bottom, lprcSrc2->bottom)};
    *lprcDst = IsRectEmpty(&meet) ? RECT {} : meet;
    return !IsRectEmpty(&meet);
}

BOOL UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2)
{
    if (!lprcDst || !lprcSrc1 || !lprcSrc2)
        return FALSE;
    // An empty rectangle adds nothing.
    if (IsRectEmpty(lprcSrc1) || IsRectEmpty(lprcSrc2)) {
        const RECT* other = IsRectEmpty(lprcSrc1) ? lprcSrc2 : lprcSrc1;
        *lprcDst = IsRectEmpty(other) ? RECT {} : *other;
        return !IsRectEmpty(other);
    }
    *lprcDst = {std::min(lprcSrc1->left, lprcSrc2->left), std::min(lprcSrc1->top, lprcSrc2->top),
        std::max(lprcSrc1->right, lprcSrc2->right), std::max(lprcSrc1->bottom, lprcSrc2->bottom)};
    return TRUE;
}

BOOL SubtractRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2)
{
    if (!lprcDst || !lprcSrc1 || !lprcSrc2)
        return FALSE;
    // Only a cut across a whole side leaves a rectangle; otherwise the first one stays.
    RECT result = *lprcSrc1;
    RECT cut {};
    if (IntersectRect(&cut, lprcSrc1, lprcSrc2)) {
        const bool fullWidth = cut.left == result.left && cut.right == result.right;
        const bool fullHeight = cut.top == result.top && cut.bottom == result.bottom;
        if (fullWidth && cut.top == result.top)
            result.top = cut.bottom;
        else if (fullWidth && cut.bottom == result.bottom)
            result.bottom = cut.top;
        else if (fullHeight && cut.left == result.left)
            result.left = cut.right;
        else if (fullHeight && cut.right == result.right)
            result.right = cut.left;
    }
    *lprcDst = IsRectEmpty(&result) ? RECT {} : result;
    return !IsRectEmpty(&result);
}

BOOL EqualRect(const RECT* lprc1, const RECT* lprc2)
{
    return lprc1 && lprc2 && lprc1->left == lprc2->left && lprc1->top == lprc2->top && lprc1->right == lprc2->right
        && lprc1->bottom == lprc2->bottom;
}

BOOL PtInRect(const RECT* lprc, POINT pt)
{
    return lprc && pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}
