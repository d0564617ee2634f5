#pragma once

// Version strings of a Linux executable. ELF has no resources, so a program
// of this project carries the same VS_VERSIONINFO block that a Windows
// executable keeps in its version resource, byte for byte, in a section of
// its own (written by tools/versioninfo-section at build time). The block is
// then read by the lookup of the PE reader, so both systems answer the same
// questions the same way. Every read is bounds-checked: hostile files yield
// "missing", never a read outside the data.

#include "fileversion.h"
#include "peversionreader.h"

namespace elf {

// The section that holds the block.
inline constexpr const char *kVersionSection = ".vs_version_info";

// The block in the section above: Missing when the file is no little-endian
// ELF file or has no such section, Unreadable when the section's data lies
// partly outside the file.
pe::VersionResource loadVersionSection(const pe::ByteSource &file);

// The whole read: the ELF section, or for a PE file its version resource.
platform::FileVersionStrings readVersionStrings(const pe::ByteSource &file, const std::vector<std::u16string> &keys);

} // namespace elf
