#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The string values of a file's version resource, read the way the Windows
// version API reads them: the block is the one named by the first entry of
// the translation table.
struct FileVersionStrings {
    enum class Status {
        Read,              // the resource was read; `values` has one entry per key
        NoVersionResource, // no such file, no PE image, or no version resource in it
        ReadFailed         // the resource exists but could not be read
    };
    Status status = Status::NoVersionResource;
    // Block name from the first translation entry ("040904b0"); empty when
    // the resource has no translation entry, and then no key is found.
    std::u16string block;
    // Parallel to the keys asked for; empty when the key was not found.
    std::vector<std::optional<std::u16string>> values;
};

FileVersionStrings readFileVersionStrings(const std::filesystem::path &file,
                                          const std::vector<std::u16string> &keys);

// Whether the program's own executable carries a version resource (Windows),
// from which Qt then takes the application version.
bool programCarriesVersionResource();

} // namespace platform
