// Names and letters of file attributes.
#include "FileAttributes.h"

#include "winbase.h"

namespace cedevice {
namespace {

struct AttributeName {
    DWORD bit;
    const char* name;
};
constexpr AttributeName names[] = {
    {FILE_ATTRIBUTE_READONLY, "READONLY"},     {FILE_ATTRIBUTE_HIDDEN, "HIDDEN"},
    {FILE_ATTRIBUTE_SYSTEM, "SYSTEM"},         {FILE_ATTRIBUTE_DIRECTORY, "DIRECTORY"},
    {FILE_ATTRIBUTE_ARCHIVE, "ARCHIVE"},       {FILE_ATTRIBUTE_INROM, "INROM"},
    {FILE_ATTRIBUTE_NORMAL, "NORMAL"},         {FILE_ATTRIBUTE_TEMPORARY, "TEMPORARY"},
    {FILE_ATTRIBUTE_SPARSE_FILE, "SPARSE_FILE"}, {FILE_ATTRIBUTE_REPARSE_POINT, "REPARSE_POINT"},
    {FILE_ATTRIBUTE_COMPRESSED, "COMPRESSED"}, {FILE_ATTRIBUTE_ROMSTATICREF, "ROMSTATICREF"},
    {FILE_ATTRIBUTE_ROMMODULE, "ROMMODULE"},
};

struct AttributeLetter {
    DWORD bit;
    char letter;
};
constexpr AttributeLetter letters[] = {
    {FILE_ATTRIBUTE_DIRECTORY, 'd'}, {FILE_ATTRIBUTE_READONLY, 'r'},   {FILE_ATTRIBUTE_HIDDEN, 'h'},
    {FILE_ATTRIBUTE_SYSTEM, 's'},    {FILE_ATTRIBUTE_ARCHIVE, 'a'},    {FILE_ATTRIBUTE_TEMPORARY, 't'},
    {FILE_ATTRIBUTE_COMPRESSED, 'c'}, {FILE_ATTRIBUTE_INROM, 'i'},     {FILE_ATTRIBUTE_ROMMODULE, 'm'},
};

}  // namespace

std::string attributeNames(DWORD attributes)
{
    std::string text;
    for (const auto& n : names) {
        if (!(attributes & n.bit))
            continue;
        if (!text.empty())
            text += ' ';
        text += n.name;
    }
    return text;
}

std::string attributeLetters(DWORD attributes)
{
    std::string text;
    for (const auto& l : letters)
        text += (attributes & l.bit) ? l.letter : '-';
    return text;
}

}  // namespace cedevice
