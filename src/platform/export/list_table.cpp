// List lines as table rows, split by the table core.
#include "platform/export/list_table.h"

#include "common/core/table_text.h"

#include <string>
#include <vector>

namespace vexmoor::platform {

QStringList SplitLine(const QString& line, int columns)
{
    const std::vector<std::string> fields =
        SplitListLine(line.toStdString(), static_cast<std::size_t>(columns));
    QStringList cells;
    cells.reserve(static_cast<qsizetype>(fields.size()));
    for (const std::string& field : fields)
        cells.append(QString::fromStdString(field));
    return cells;
}

ListTable::ListTable(QStringList lines)
    : m_lines(std::move(lines))
{
    if (m_lines.isEmpty())
        return;
    m_columns = static_cast<int>(ListColumnCount(m_lines.front().toStdString()));
    m_hasTotals = m_lines.size() > 1 &&
        IsTotalsLine(m_lines.back().toStdString(), static_cast<std::size_t>(m_columns));
}

QStringList ListTable::Header() const
{
    return m_lines.isEmpty() ? QStringList() : SplitLine(m_lines.front(), m_columns);
}

QStringList ListTable::Row(int row) const
{
    return SplitLine(m_lines.at(row + 1), m_columns);
}

QStringList ListTable::WidestCells() const
{
    QStringList widest;
    std::vector<std::size_t> longest; // in UTF-8 bytes, as the core splits
    for (qsizetype line = 0; line < m_lines.size(); ++line) {
        const std::vector<std::string> fields =
            SplitListLine(m_lines.at(line).toStdString(), static_cast<std::size_t>(m_columns));
        for (std::size_t column = 0; column < fields.size(); ++column) {
            if (column == longest.size()) {
                longest.push_back(0);
                widest.append(QString());
            }
            if (fields[column].size() > longest[column]) {
                longest[column] = fields[column].size();
                widest[static_cast<qsizetype>(column)] = QString::fromStdString(fields[column]);
            }
        }
    }
    widest.resize(m_columns);
    return widest;
}

} // namespace vexmoor::platform
