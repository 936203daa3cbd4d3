#include "ui/props/PropPage.h"
#include "ui/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace props {

void Fill(QComboBox* box, const ComboItems& items, int selectedData) {
    const QSignalBlocker block(box);
    box->clear();
    for (const auto& item : items) {
        box->addItem(Q(item.text), item.data);
    }
    const int index = box->findData(selectedData);
    box->setCurrentIndex(index >= 0 ? index : (box->count() > 0 ? 0 : -1));
}

void Select(QComboBox* box, int data) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(data < 0 ? -1 : box->findData(data));
}

int DataAt(const QComboBox* box, int index) {
    return index >= 0 ? box->itemData(index).toInt() : 0;
}

QString Plain(const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    plain = plain.trimmed();
    if (plain.endsWith(QLatin1Char(':'))) {
        plain.chop(1);
    }
    return plain.trimmed();
}

QLabel* Buddy(const QString& text, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(Plain(text));
    return label;
}

} // namespace props
