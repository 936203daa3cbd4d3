#pragma once
// The base of the property sheet's pages and the few helpers they share: combo boxes filled
// from the controllers' entries, and labels that name the control they stand before, so that
// the mnemonic moves the focus there and screen readers announce the label.

#include "app/pages/ComboFillers.h"

#include <QWidget>

#include <string>

class QComboBox;
class QLabel;

class CPropPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Reads the candidate again; pages keep no copy of it.
    virtual void Refresh() = 0;
    // The views selected a unit (kind 0: none) while the sheet was not the one choosing.
    virtual void FollowSelection(int /*kind*/, int /*number*/) {}
    // The page goes out of the sheet.
    virtual void Leave() {}

signals:
    // The page changed the candidate; the sheet refreshes what depends on it.
    void Edited();

protected:
    // After a button or box acted on the candidate: tells the sheet when it changed, and
    // shows the page again either way (a refused edit may still have moved a choice).
    void AfterEdit(bool edited) {
        if (edited) {
            emit Edited();
        }
        Refresh();
    }
};

namespace props {

// Fills the box with the entries and selects the one with the data (the first when none has
// it) without letting the box report the change.
void Fill(QComboBox* box, const ComboItems& items, int selectedData);
// Selects the entry with the data without reporting the change; -1 clears the box's choice.
void Select(QComboBox* box, int data);
int DataAt(const QComboBox* box, int index);
// A label for the control: its mnemonic focuses the control, and the control is named by it.
QLabel* Buddy(const QString& text, QWidget* control, QWidget* parent);
// The text without its mnemonic mark and trailing colon.
QString Plain(const QString& text);

} // namespace props
