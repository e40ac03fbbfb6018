// Text between the cores (UTF-8 std::string) and Qt (QString), the translation of texts the
// cores mark with VEXMOOR_TR_NOOP, and the bold focus cue of a caption.
#pragma once

#include <QCoreApplication>
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

// The text in the user's language, looked up under the context its mark gave it; the English
// source when there is no translation (an empty text stays empty).
inline QString Translated(const char* context, std::string_view english)
{
    if (english.empty())
        return {};
    const std::string source(english);
    return QCoreApplication::translate(context, source.c_str());
}

// A list line with each field translated (a list's header, its totals), the blanks between the
// fields kept: fields stand apart by two or more blanks and hold at most one in a row.
inline QString TranslatedListLine(const char* context, std::string_view line)
{
    QString result;
    std::size_t pos = 0;
    while (pos < line.size()) {
        std::size_t start = pos;
        while (start < line.size() && line[start] == ' ')
            ++start;
        result += QString(static_cast<qsizetype>(start - pos), QLatin1Char(' '));
        std::size_t end = start;
        while (end < line.size() &&
               !(line[end] == ' ' && (end + 1 == line.size() || line[end + 1] == ' ')))
            ++end;
        result += Translated(context, line.substr(start, end - start));
        pos = end;
    }
    return result;
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
