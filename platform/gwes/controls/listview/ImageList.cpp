// Image lists as a handle table of sizes and counts. Until drawing exists a bitmap or icon
// handed in counts as one image and is not read; the table is emptied at boot and shutdown,
// when the processes that made the lists end.
#include <mutex>
#include <unordered_map>
#include <utility>

#include "commctrl.h"
#include "kernel/DeviceParts.h"

namespace {

struct ImageList {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    int count = 0;
    COLORREF background = CLR_NONE;
};

class ImageListTable {
public:
    static ImageListTable& instance()
    {
        static ImageListTable table;
        return table;
    }
    std::unique_lock<std::mutex> hold() { return std::unique_lock(lock_); }
    HIMAGELIST create(const ImageList& list)
    {
        next_ = next_ ? next_ + 4 : firstHandle;
        auto handle = reinterpret_cast<HIMAGELIST>(next_);
        lists_[handle] = list;
        return handle;
    }
    // The list of a handle, or null with ERROR_INVALID_HANDLE.
    ImageList* find(HIMAGELIST handle)
    {
        auto it = lists_.find(handle);
        if (it != lists_.end())
            return &it->second;
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    bool destroy(HIMAGELIST handle) { return lists_.erase(handle) != 0; }
    void clear() { lists_.clear(); }

private:
    static constexpr ULONG_PTR firstHandle = 0x00B10000;
    std::mutex lock_;
    std::unordered_map<HIMAGELIST, ImageList> lists_;
    ULONG_PTR next_ = 0;
};

bool startImageLists(ce::Device&, std::string&)
{
    auto guard = ImageListTable::instance().hold();
    ImageListTable::instance().clear();
    return true;
}

void stopImageLists()
{
    auto guard = ImageListTable::instance().hold();
    ImageListTable::instance().clear();
}

const ce::DevicePartRegistration registration {{"image lists", 131, startImageLists, stopImageLists}};

// Runs `work` on the list of a handle under the table's lock; `failed` for a bad handle.
template <typename Result, typename Work> Result withList(HIMAGELIST himl, Result failed, Work work)
{
    auto guard = ImageListTable::instance().hold();
    ImageList* list = ImageListTable::instance().find(himl);
    return list ? work(*list) : failed;
}

template <typename Result> Result invalidParameter(Result failed)
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return failed;
}

// Appends `added` images; the index of the first, or -1 for a bad handle.
int append(HIMAGELIST himl, int added)
{
    return withList(himl, -1, [&](ImageList& list) {
        list.count += added;
        return list.count - added;
    });
}

// Whether `i` names an image of the list.
bool validImage(HIMAGELIST himl, int i)
{
    return withList(himl, false, [&](ImageList& list) { return i >= 0 && i < list.count; });
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow)
{
    if (cx <= 0 || cy <= 0 || cInitial < 0 || cGrow < 0)
        return invalidParameter<HIMAGELIST>(nullptr);
    auto guard = ImageListTable::instance().hold();
    return ImageListTable::instance().create({cx, cy, flags, 0, CLR_NONE});
}

BOOL ImageList_Destroy(HIMAGELIST himl)
{
    auto guard = ImageListTable::instance().hold();
    if (ImageListTable::instance().destroy(himl))
        return TRUE;
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

int ImageList_GetImageCount(HIMAGELIST himl)
{
    return withList(himl, 0, [](ImageList& list) { return list.count; });
}

BOOL ImageList_SetImageCount(HIMAGELIST himl, UINT uNewCount)
{
    return withList(himl, FALSE, [&](ImageList& list) {
        if (uNewCount > 0x7FFFFFFF)
            return invalidParameter(FALSE);
        list.count = static_cast<int>(uNewCount);
        return TRUE;
    });
}

int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP)
{
    return hbmImage ? append(himl, 1) : invalidParameter(-1);
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF)
{
    return ImageList_Add(himl, hbmImage, nullptr);
}

int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon)
{
    if (!hicon)
        return invalidParameter(-1);
    if (i == -1)
        return append(himl, 1);
    return validImage(himl, i) ? i : invalidParameter(-1);
}

BOOL ImageList_Replace(HIMAGELIST himl, int i, HBITMAP hbmImage, HBITMAP)
{
    return hbmImage && validImage(himl, i) ? TRUE : invalidParameter(FALSE);
}

BOOL ImageList_Remove(HIMAGELIST himl, int i)
{
    return withList(himl, FALSE, [&](ImageList& list) {
        if (i < -1 || i >= list.count)
            return invalidParameter(FALSE);
        list.count = i == -1 ? 0 : list.count - 1;
        return TRUE;
    });
}

BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy)
{
    return withList(himl, FALSE, [&](ImageList& list) {
        if (!cx || !cy)
            return invalidParameter(FALSE);
        *cx = list.cx;
        *cy = list.cy;
        return TRUE;
    });
}

BOOL ImageList_SetIconSize(HIMAGELIST himl, int cx, int cy)
{
    return withList(himl, FALSE, [&](ImageList& list) {
        if (cx <= 0 || cy <= 0)
            return invalidParameter(FALSE);
        list = {cx, cy, list.flags, 0, list.background};
        return TRUE;
    });
}

COLORREF ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk)
{
    return withList(himl, static_cast<COLORREF>(CLR_NONE), [&](ImageList& list) {
        return std::exchange(list.background, clrBk);
    });
}

COLORREF ImageList_GetBkColor(HIMAGELIST himl)
{
    return withList(himl, static_cast<COLORREF>(CLR_NONE), [](ImageList& list) { return list.background; });
}

BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int, int, UINT)
{
    return hdcDst && validImage(himl, i) ? TRUE : invalidParameter(FALSE);
}

BOOL ImageList_DrawEx(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, int, int, COLORREF, COLORREF, UINT fStyle)
{
    return ImageList_Draw(himl, i, hdcDst, x, y, fStyle);
}
