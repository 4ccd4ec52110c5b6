// Image lists by handle: each keeps its images as separate cx x cy pictures with alpha (0 or
// 255 from a mask or key colour, any value from an icon), under the table's own lock. That lock
// is never held while GDI's is taken: pixels are copied out first.
#pragma once

#include <mutex>
#include <unordered_map>
#include <vector>

#include "commctrl.h"
#include "gdi/png/PngImage.h"

namespace ce::gwes::image_lists {

struct ImageList {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    COLORREF background = CLR_NONE;
    std::vector<gdi::PngImage> images;

    // A blank image: transparent in a list with a mask, black in one without.
    gdi::PngImage blank() const;
};

class ImageListTable {
public:
    static ImageListTable& instance();
    std::unique_lock<std::mutex> hold() { return std::unique_lock(m_lock); }
    HIMAGELIST create(ImageList list);
    // The list of a handle, or null with ERROR_INVALID_HANDLE.
    ImageList* find(HIMAGELIST handle);
    bool destroy(HIMAGELIST handle) { return m_lists.erase(handle) != 0; }
    void clear() { m_lists.clear(); }

private:
    static constexpr ULONG_PTR firstHandle = 0x00B10000;
    std::mutex m_lock;
    std::unordered_map<HIMAGELIST, ImageList> m_lists;
    ULONG_PTR m_next = 0;
};

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

} // namespace ce::gwes::image_lists
