#pragma once

#include <QFile>
#include <QString>

#include <filesystem>
#include <type_traits>

// A path for the standard library's file functions in the system's own
// encoding: UTF-16 where paths are wide (Windows), the locale's file-name
// encoding elsewhere, exactly as QFile would open it.
inline std::filesystem::path nativePath(const QString &fileName)
{
    if constexpr (std::is_same_v<std::filesystem::path::value_type, wchar_t>)
        return std::filesystem::path(fileName.toStdWString());
    else
        return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}
