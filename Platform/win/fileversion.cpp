#include "../fileversion.h"

#include <windows.h>

#include <memory>

namespace platform {
namespace {

std::u16string hex4(unsigned value)
{
    static const char16_t digits[] = u"0123456789abcdef";
    std::u16string text;
    for (int shift = 12; shift >= 0; shift -= 4)
        text += digits[(value >> shift) & 0xF];
    return text;
}

const wchar_t *wide(const std::u16string &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

// A string value up to its terminator, never past the end of the buffer.
std::u16string stringAt(const void *value, UINT length, const BYTE *bufferEnd)
{
    std::u16string text;
    if (length == 0)
        return text;
    for (auto *c = static_cast<const char16_t *>(value); reinterpret_cast<const BYTE *>(c + 1) <= bufferEnd && *c;
         ++c)
        text += *c;
    return text;
}

} // namespace

FileVersionStrings readFileVersionStrings(const std::filesystem::path &file, const std::vector<std::u16string> &keys)
{
    FileVersionStrings result;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
    if (size == 0)
        return result;
    std::unique_ptr<BYTE[]> buffer(new BYTE[size]());
    if (!GetFileVersionInfoW(file.c_str(), 0, size, buffer.get())) {
        result.status = FileVersionStrings::Status::ReadFailed;
        return result;
    }
    result.status = FileVersionStrings::Status::Read;
    result.values.resize(keys.size());
    const BYTE *end = buffer.get() + size;

    void *table = nullptr;
    UINT tableLength = 0;
    if (!VerQueryValueW(buffer.get(), L"\\VarFileInfo\\Translation", &table, &tableLength) || tableLength < 4
        || static_cast<const BYTE *>(table) + 4 > end)
        return result;
    const auto *translation = static_cast<const WORD *>(table);
    result.block = hex4(translation[0]) + hex4(translation[1]);

    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::u16string path = u"\\StringFileInfo\\" + result.block + u"\\" + keys[i];
        void *value = nullptr;
        UINT length = 0;
        if (VerQueryValueW(buffer.get(), wide(path), &value, &length))
            result.values[i] = stringAt(value, length, end);
    }
    return result;
}

bool programCarriesVersionResource()
{
    return true;
}

} // namespace platform
