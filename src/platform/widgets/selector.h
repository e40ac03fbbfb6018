// A drop-down list selector: only listed items can be chosen; nothing is picked until the user
// or the program picks an item. A change of selection, by the user or by setting the text from
// code, runs the Click handler at once, nested inside the code that made it.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;

namespace vexmoor::platform {

class Selector : public QObject
{
    Q_OBJECT
public:
    explicit Selector(QComboBox* combo);

    // Empties the list (no Click).
    void Clear();
    // Adds an item at the end, showing `shown` (the label in the user's language) when given;
    // the selection does not change (no Click). The program knows an item by its label.
    void AddItem(const QString& label, const QString& shown = {});
    QStringList Items() const;
    // The selected position, -1 when nothing is picked.
    int ListIndex() const;
    // The selected item's label (not the text shown), or empty when nothing is picked.
    QString Text() const;
    // Selects the listed item with exactly this label and runs Click if the selection changed;
    // returns false (and changes nothing) when no item has that label.
    bool SetText(const QString& label);
    void SetClickHandler(std::function<void()> handler);

    QComboBox* Combo() const { return m_combo; }

private:
    QComboBox* m_combo;
    std::function<void()> m_click;
    bool m_filling = false;
};

} // namespace vexmoor::platform
