// Share-mode accounting of open file handles.
#include "ShareTable.h"

#include "winbase.h"

namespace ce {
namespace {

bool reads(DWORD access)
{
    return access & (GENERIC_READ | GENERIC_ALL);
}

bool writes(DWORD access)
{
    return access & (GENERIC_WRITE | GENERIC_ALL);
}

}  // namespace

bool ShareTable::allows(FileId file, DWORD access, DWORD share) const
{
    auto it = m_open.find(file);
    if (it == m_open.end())
        return true;
    const Openers& o = it->second;
    if (!reads(access) && !writes(access))
        return o.exclusive == 0;
    if ((reads(access) && o.denyRead) || (writes(access) && o.denyWrite))
        return false;
    return !((o.readers && !(share & FILE_SHARE_READ)) || (o.writers && !(share & FILE_SHARE_WRITE)));
}

void ShareTable::count(FileId file, DWORD access, DWORD share, int step)
{
    Openers& o = m_open[file];
    o.handles += step;
    if (reads(access) || writes(access)) {
        o.readers += reads(access) ? step : 0;
        o.writers += writes(access) ? step : 0;
        o.denyRead += (share & FILE_SHARE_READ) ? 0 : step;
        o.denyWrite += (share & FILE_SHARE_WRITE) ? 0 : step;
        o.exclusive += (share & (FILE_SHARE_READ | FILE_SHARE_WRITE)) ? 0 : step;
    }
    if (o.handles == 0)
        m_open.erase(file);
}

void ShareTable::add(FileId file, DWORD access, DWORD share)
{
    count(file, access, share, 1);
}

void ShareTable::remove(FileId file, DWORD access, DWORD share)
{
    count(file, access, share, -1);
}

bool ShareTable::isOpen(FileId file) const
{
    return m_open.contains(file);
}

}  // namespace ce
