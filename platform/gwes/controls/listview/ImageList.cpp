// Image lists: making them, adding images (a bitmap is cut into as many images as it is
// image widths wide; a mask bitmap or a key colour marks what is transparent in a list made
// with ILC_MASK), icons, replacing, removing and sizes. The table is emptied at boot and
// shutdown, when the processes that made the lists end.
#include <optional>
#include <utility>

#include "ImageListTable.h"
#include "gdi/icons/Icons.h"
#include "kernel/DeviceParts.h"

using ce::gdi::PngImage;
using namespace ce::gwes::image_lists;

namespace ce::gwes::image_lists {

PngImage ImageList::blank() const
{
    const uint32_t pixel = flags & ILC_MASK ? 0 : 0xFF000000;
    return {cx, cy, std::vector<uint32_t>(static_cast<size_t>(cx) * static_cast<size_t>(cy), pixel)};
}

ImageListTable& ImageListTable::instance()
{
    static ImageListTable table;
    return table;
}

HIMAGELIST ImageListTable::create(ImageList list)
{
    m_next = m_next ? m_next + 4 : firstHandle;
    auto handle = reinterpret_cast<HIMAGELIST>(m_next);
    m_lists[handle] = std::move(list);
    return handle;
}

ImageList* ImageListTable::find(HIMAGELIST handle)
{
    auto it = m_lists.find(handle);
    if (it != m_lists.end())
        return &it->second;
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

} // namespace ce::gwes::image_lists

namespace {

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

// What cutting a bitmap into a list's images needs to know of the list.
struct Shape {
    int cx = 0;
    int cy = 0;
    bool masked = false;
};

std::optional<Shape> shapeOf(HIMAGELIST himl)
{
    return withList(himl, std::optional<Shape>(), [](ImageList& list) {
        return std::optional<Shape>({list.cx, list.cy, (list.flags & ILC_MASK) != 0});
    });
}

// A mask bitmap's light pixels (white, where a monochrome mask has 1) are transparent.
bool lightAt(const PngImage* mask, int x, int y)
{
    if (!mask || x >= mask->width || y >= mask->height)
        return false;
    const uint32_t argb = mask->pixels[ce::gdi::pixelIndex(*mask, x, y)];
    return ((argb >> 16 & 0xFF) + (argb >> 8 & 0xFF) + (argb & 0xFF)) >= 3 * 128;
}

// `picture` cut into images of the shape, left to right, with the mask bitmap's light pixels
// and the key colour (CLR_NONE: none) transparent when the list has a mask.
std::vector<PngImage> cut(const PngImage& picture, const PngImage* mask, COLORREF key, Shape shape)
{
    const uint32_t keyPixel = 0xFF000000u | GetRValue(key) << 16 | GetGValue(key) << 8 | GetBValue(key);
    std::vector<PngImage> pieces;
    for (int first = 0; first + shape.cx <= picture.width; first += shape.cx) {
        PngImage piece {shape.cx, shape.cy,
            std::vector<uint32_t>(
                static_cast<size_t>(shape.cx) * static_cast<size_t>(shape.cy), shape.masked ? 0 : 0xFF000000)};
        for (int y = 0; y < std::min(shape.cy, picture.height); ++y) {
            for (int x = 0; x < shape.cx; ++x) {
                const uint32_t argb = picture.pixels[ce::gdi::pixelIndex(picture, first + x, y)];
                const bool transparent
                    = shape.masked && ((key != CLR_NONE && argb == keyPixel) || lightAt(mask, first + x, y));
                piece.pixels[ce::gdi::pixelIndex(piece, x, y)] = transparent ? 0 : argb;
            }
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// The images of a bitmap (and its mask) for a list; empty with ERROR_INVALID_PARAMETER for
// handles that are no bitmaps or a bitmap narrower than one image.
std::vector<PngImage> imagesOf(HBITMAP bitmap, HBITMAP maskBitmap, COLORREF key, Shape shape)
{
    std::optional<PngImage> picture;
    std::optional<PngImage> mask;
    {
        std::lock_guard guard(ce::gdi::gdiLock());
        picture = ce::gdi::bitmapImage(bitmap);
        mask = maskBitmap ? ce::gdi::bitmapImage(maskBitmap) : std::nullopt;
    }
    if (!picture || (maskBitmap && !mask) || picture->width < shape.cx)
        return invalidParameter(std::vector<PngImage>());
    return cut(*picture, mask ? &*mask : nullptr, key, shape);
}

// Puts the first of `images` at `i`, or appends them all (i -1), in a list still of the shape;
// the index of the first, or -1.
int place(HIMAGELIST himl, int i, Shape shape, std::vector<PngImage> images)
{
    return withList(himl, -1, [&](ImageList& list) {
        const int count = static_cast<int>(list.images.size());
        if (images.empty() || list.cx != shape.cx || list.cy != shape.cy || i < -1 || i >= count)
            return invalidParameter(-1);
        if (i >= 0) {
            list.images[static_cast<size_t>(i)] = std::move(images.front());
            return i;
        }
        std::move(images.begin(), images.end(), std::back_inserter(list.images));
        return count;
    });
}

int addBitmap(HIMAGELIST himl, int i, HBITMAP bitmap, HBITMAP mask, COLORREF key)
{
    const auto shape = shapeOf(himl);
    if (!shape)
        return -1;
    if (!bitmap)
        return invalidParameter(-1);
    std::vector<PngImage> images = imagesOf(bitmap, mask, key, *shape);
    if (i >= 0 && images.size() > 1)
        images.resize(1); // a replacement takes the bitmap's first image only
    return images.empty() ? -1 : place(himl, i, *shape, std::move(images));
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow)
{
    if (cx <= 0 || cy <= 0 || cx > ce::gdi::maxPngSide || cy > ce::gdi::maxPngSide || cInitial < 0 || cGrow < 0)
        return invalidParameter<HIMAGELIST>(nullptr);
    auto guard = ImageListTable::instance().hold();
    return ImageListTable::instance().create({cx, cy, flags, CLR_NONE, {}});
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
    return withList(himl, 0, [](ImageList& list) { return static_cast<int>(list.images.size()); });
}

BOOL ImageList_SetImageCount(HIMAGELIST himl, UINT uNewCount)
{
    return withList(himl, FALSE, [&](ImageList& list) {
        // The images' pixels together stay within what one decoded picture may hold.
        if (static_cast<size_t>(uNewCount) * static_cast<size_t>(list.cx) * static_cast<size_t>(list.cy)
            > ce::gdi::maxPngPixels)
            return invalidParameter(FALSE);
        list.images.resize(uNewCount, list.blank());
        return TRUE;
    });
}

int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask)
{
    return addBitmap(himl, -1, hbmImage, hbmMask, CLR_NONE);
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask)
{
    return addBitmap(himl, -1, hbmImage, nullptr, crMask);
}

BOOL ImageList_Replace(HIMAGELIST himl, int i, HBITMAP hbmImage, HBITMAP hbmMask)
{
    if (i < 0)
        return invalidParameter(FALSE);
    return addBitmap(himl, i, hbmImage, hbmMask, CLR_NONE) == i;
}

int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon)
{
    const auto shape = shapeOf(himl);
    if (!shape)
        return -1;
    std::shared_ptr<const PngImage> icon;
    {
        std::lock_guard guard(ce::gdi::gdiLock());
        icon = hicon ? ce::gdi::iconImage(hicon) : nullptr;
    }
    if (!icon)
        return invalidParameter(-1);
    std::vector<PngImage> images;
    images.push_back(ce::gdi::scaleImage(*icon, shape->cx, shape->cy));
    return place(himl, i, *shape, std::move(images));
}

BOOL ImageList_Remove(HIMAGELIST himl, int i)
{
    return withList(himl, FALSE, [&](ImageList& list) {
        if (i < -1 || i >= static_cast<int>(list.images.size()))
            return invalidParameter(FALSE);
        if (i == -1)
            list.images.clear();
        else
            list.images.erase(list.images.begin() + i);
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
        if (cx <= 0 || cy <= 0 || cx > ce::gdi::maxPngSide || cy > ce::gdi::maxPngSide)
            return invalidParameter(FALSE);
        list = {cx, cy, list.flags, list.background, {}};
        return TRUE;
    });
}

COLORREF ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk)
{
    return withList(
        himl, static_cast<COLORREF>(CLR_NONE), [&](ImageList& list) { return std::exchange(list.background, clrBk); });
}

COLORREF ImageList_GetBkColor(HIMAGELIST himl)
{
    return withList(himl, static_cast<COLORREF>(CLR_NONE), [](ImageList& list) { return list.background; });
}
