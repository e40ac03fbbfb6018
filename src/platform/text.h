// Text between the cores (UTF-8 std::string) and Qt (QString), and the bold focus cue of a
// caption.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
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

// Makes the widget's font bold or not; a missing widget or an unchanged weight does nothing.
inline void SetBold(QWidget* widget, bool bold)
{
    if (widget == nullptr || widget->font().bold() == bold)
        return;
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace vexmoor::platform
