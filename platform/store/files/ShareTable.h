// Share modes between all open file handles of the device, keyed by the host file. A handle
// that reads needs every other handle to share reading, one that writes needs them to share
// writing, and a new handle must in turn share what the others already do; a file held open
// for data without any sharing cannot be opened again at all. Handles opened without read or
// write access (to query a file) restrict nobody, but any open handle keeps its file from
// being deleted, moved or replaced.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <unordered_map>

#include "windef.h"

namespace ce {

struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId&) const = default;
};

inline FileId fileIdOf(const struct stat& st)
{
    return FileId {st.st_dev, st.st_ino};
}

class ShareTable {
public:
    // `access` holds GENERIC_READ / GENERIC_WRITE, `share` FILE_SHARE_READ / FILE_SHARE_WRITE.
    bool allows(FileId file, DWORD access, DWORD share) const;
    void add(FileId file, DWORD access, DWORD share);
    void remove(FileId file, DWORD access, DWORD share);
    bool isOpen(FileId file) const;

private:
    struct Openers {
        unsigned handles = 0;
        unsigned readers = 0;
        unsigned writers = 0;
        unsigned denyRead = 0;  // data handles that do not share reading
        unsigned denyWrite = 0;  // data handles that do not share writing
        unsigned exclusive = 0;  // data handles that share nothing
    };
    struct FileIdHash {
        size_t operator()(const FileId& id) const { return std::hash<ino_t>()(id.inode) ^ (id.device << 1); }
    };
    void count(FileId file, DWORD access, DWORD share, int step);

    std::unordered_map<FileId, Openers, FileIdHash> m_open;
};

}  // namespace ce
