// Text between the cores (UTF-8 std::string) and Qt (QString).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vexmoor::platform {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStd(const QString& text)
{
    return text.toStdString();
}

} // namespace vexmoor::platform
