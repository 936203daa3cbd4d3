#include "wizard/WizardPageBase.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWizard>

CWizardPageBase::CWizardPageBase(CWizardSheetModel& sheet, const char* title,
                                 const char* instruction, QWidget* parent)
    : QWizardPage(parent), m_sheet(sheet) {
    setTitle(QString::fromLatin1(title));
    auto* layout = new QVBoxLayout(this);
    if (instruction != nullptr && *instruction != '\0') {
        auto* text = new QLabel(QString::fromLatin1(instruction) +
                                    QStringLiteral("\nThen click Next to continue."),
                                this);
        text->setWordWrap(true);
        layout->addWidget(text);
    }
    m_body = new QVBoxLayout();
    layout->addLayout(m_body, 1);
}

void CWizardPageBase::SetButtons(wizard::EButtons buttons) {
    const wizard::SButtonState state = wizard::ButtonsOf(buttons);
    const bool next = state.next || state.finish;
    if (next != m_nextAllowed) {
        m_nextAllowed = next;
        emit completeChanged();
    }
    SetBackAllowed(state.back);
}

void CWizardPageBase::SetBackAllowed(bool allowed) {
    if (QWizard* sheet = wizard()) {
        if (QAbstractButton* back = sheet->button(QWizard::BackButton)) {
            back->setEnabled(allowed && sheet->visitedIds().size() > 1);
        }
    }
}

QTreeWidget* CWizardPageBase::MakeList(const QStringList& columns, const QString& accessibleName) {
    auto* list = new QTreeWidget();
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setAccessibleName(accessibleName);
    list->header()->setStretchLastSection(true);
    return list;
}
