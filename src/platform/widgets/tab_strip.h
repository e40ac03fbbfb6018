// A tab strip: a row of tabs (caption with access key, key, tooltip) over a framed client area.
// Selecting a tab, by the user or from code, runs the Click handler at once, nested inside the
// code that selected it, exactly once per change.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class QFrame;
class QTabBar;
class QWidget;

namespace vexmoor::platform {

class TabStrip : public QObject
{
    Q_OBJECT
public:
    // `name` becomes the tab bar's objectName; `geometry` is the strip's whole area in pixels.
    TabStrip(QWidget* parent, const QString& name, const QRect& geometry);

    void AddTab(const QString& caption, const QString& key, const QString& tooltip);
    int Count() const;
    // The selected tab's 1-based position.
    int Selected() const;
    // Selects the tab at a 1-based position; runs the Click handler when the selection changes.
    void Select(int position);
    QString Key(int position) const;
    void SetClickHandler(std::function<void()> handler);

    QTabBar* Bar() const { return m_bar; }
    QFrame* ClientFrame() const { return m_frame; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Places the bar at the top of the strip's area and the client frame under it.
    void Arrange();

    QFrame* m_frame;
    QTabBar* m_bar;
    QRect m_geometry;
    QStringList m_keys;
    std::function<void()> m_click;
    bool m_adding = false;
};

} // namespace vexmoor::platform
