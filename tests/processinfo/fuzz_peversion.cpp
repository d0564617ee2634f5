// Feeds arbitrary bytes to the version readers: as a PE file, as an ELF
// file with a version section, and as a bare version block.

#include "Platform/elfversionreader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::vector<std::u16string> keys = {u"CompanyName",    u"FileDescription",  u"FileVersion",
                                                      u"InternalName",   u"LegalCopyright",   u"OriginalFilename",
                                                      u"ProductName",    u"ProductVersion"};
    const pe::MemoryBytes file(data, size);
    const platform::FileVersionStrings strings = pe::readVersionStrings(file, keys);
    if (strings.status == platform::FileVersionStrings::Status::Read && strings.values.size() != keys.size())
        __builtin_trap();
    const platform::FileVersionStrings elfStrings = elf::readVersionStrings(file, keys);
    if (elfStrings.status == platform::FileVersionStrings::Status::Read && elfStrings.values.size() != keys.size())
        __builtin_trap();

    const std::vector<std::uint8_t> resource(data, data + size);
    const std::u16string block = pe::firstTranslationBlock(resource).value_or(u"040904b0");
    for (const std::u16string &key : keys) {
        if (const auto value = pe::queryValue(resource, u"\\StringFileInfo\\" + block + u"\\" + key))
            pe::stringValue(resource, *value);
    }
    return 0;
}
