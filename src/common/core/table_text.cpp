// List lines as tables for the clipboard and for CSV files.
#include "common/core/table_text.h"

#include "errors/core/failure.h"

namespace vexmoor {

namespace {

// The number text without grouping and with an ASCII minus, or the field unchanged when it is
// no number in the region's writing. The list writes its numbers through the same format, so the
// digits are taken as they stand rather than read into a double and written again.
std::string CsvNumber(std::string_view field, const RegionalFormat& format)
{
    try {
        static_cast<void>(ParseNumber(field, format));
    } catch (const Failure&) {
        return std::string(field);
    }
    std::string text;
    if (!format.minusSign.empty() && field.starts_with(format.minusSign)) {
        text = "-";
        field.remove_prefix(format.minusSign.size());
    }
    const std::string_view group = format.groupSeparator;
    while (!field.empty()) {
        if (!group.empty() && field.starts_with(group)) {
            field.remove_prefix(group.size());
            continue;
        }
        text += field.front();
        field.remove_prefix(1);
    }
    return text;
}

} // namespace

std::vector<std::string> SplitListLine(std::string_view line, std::size_t columns)
{
    std::vector<std::string> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && line[at] == ' ')
            ++at;
        if (at == line.size())
            break;
        std::size_t end = at;
        // A single blank belongs to the field; two or more end it.
        while (end < line.size() &&
               !(line[end] == ' ' && (end + 1 == line.size() || line[end + 1] == ' ')))
            ++end;
        fields.emplace_back(line.substr(at, end - at));
        at = end;
    }
    if (fields.size() < columns)
        fields.insert(fields.begin(), columns - fields.size(), std::string());
    return fields;
}

std::size_t ListColumnCount(std::string_view header)
{
    return SplitListLine(header).size();
}

bool IsTotalsLine(std::string_view line, std::size_t columns)
{
    return SplitListLine(line).size() < columns;
}

std::string TabSeparatedRows(std::span<const std::string> lines, std::size_t columns)
{
    std::string text;
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = SplitListLine(line, columns);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text += '\t';
            text += fields[i];
        }
        text += '\n';
    }
    return text;
}

std::string_view CsvFieldSeparator(const RegionalFormat& format)
{
    return format.decimalSeparator == "," ? ";" : ",";
}

std::string CsvField(std::string_view field, std::string_view separator)
{
    const bool quoted = field.find(separator) != std::string_view::npos ||
        field.find_first_of("\"\r\n") != std::string_view::npos;
    if (!quoted)
        return std::string(field);
    std::string text = "\"";
    for (const char c : field) {
        if (c == '"')
            text += '"';
        text += c;
    }
    text += '"';
    return text;
}

std::string CsvRecords(std::span<const std::string> lines, std::size_t columns,
                       const RegionalFormat& format)
{
    const std::string_view separator = CsvFieldSeparator(format);
    std::string text;
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = SplitListLine(line, columns);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text += separator;
            text += CsvField(CsvNumber(fields[i], format), separator);
        }
        text += "\r\n";
    }
    return text;
}

} // namespace vexmoor
