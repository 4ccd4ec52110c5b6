// The clipboard text: device-wide like the window system's own state, so guarded by a lock of
// its own for edits on different threads.
#include "Clipboard.h"

#include <mutex>

namespace ce::gwes::basic {
namespace {

struct Clipboard {
    std::mutex lock;
    std::u16string text;
};

Clipboard& clipboard()
{
    static Clipboard theClipboard;
    return theClipboard;
}

} // namespace

std::u16string clipboardText()
{
    std::lock_guard guard(clipboard().lock);
    return clipboard().text;
}

void setClipboardText(const std::u16string& text)
{
    std::lock_guard guard(clipboard().lock);
    clipboard().text = text;
}

} // namespace ce::gwes::basic
