// A list box of text lines, one row per line, for the analysis table and the loan schedule.
// Lines are appended one by one as they are made; a list of tens of thousands of lines fills and
// paints in a few milliseconds (a list model with uniform row sizes). The horizontal extent is
// the scrollable width in pixels: lines wider than the view scroll sideways, and a line wider
// than the extent is never cut off (the extent is the least scrollable width).
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QListView;

namespace vexmoor::platform {

class ListBoxModel;

class ListBox : public QObject
{
    Q_OBJECT
public:
    // Takes over `view`: sets its model, a fixed-pitch font and uniform row sizes.
    explicit ListBox(QListView* view);

    void Clear();
    void Append(const QString& line);
    int Count() const;
    QString Line(int row) const;
    QStringList Lines() const;
    void SetHorizontalExtent(int pixels);
    int HorizontalExtent() const;

    QListView* View() const { return m_view; }

private:
    QListView* m_view;
    ListBoxModel* m_model;
};

} // namespace vexmoor::platform
