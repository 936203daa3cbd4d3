#include "wizard/WizardPageBase.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWizard>

#include <algorithm>

CWizardPageBase::CWizardPageBase(CWizardSheetModel& sheet, const char* title,
                                 const char* instruction, const char* afterNext, QWidget* parent)
    : QWizardPage(parent), m_sheet(sheet) {
    setTitle(QString::fromLatin1(title));
    // The page scrolls within the sheet instead of asking for room: a sheet that grew to fit
    // its largest page would not keep the size the user gave it.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("pageScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    scroll->setWidget(content);
    outer->addWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    if (instruction != nullptr && *instruction != '\0') {
        QString words =
            QString::fromLatin1(instruction) + QStringLiteral("\nThen click Next to continue.");
        if (afterNext != nullptr) {
            words += QLatin1Char(' ') + QString::fromLatin1(afterNext).trimmed();
        }
        auto* text = new QLabel(words, content);
        text->setWordWrap(true);
        layout->addWidget(text);
    }
    m_body = new QVBoxLayout();
    layout->addLayout(m_body, 1);
}

void CWizardPageBase::SetButtons(wizard::EButtons buttons) {
    const wizard::SButtonState state = wizard::ButtonsOf(buttons);
    SetNextAllowed(state.next || state.finish);
    SetBackAllowed(state.back);
}

void CWizardPageBase::SetNextAllowed(bool allowed) {
    if (allowed != m_nextAllowed) {
        m_nextAllowed = allowed;
        emit completeChanged();
    }
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

namespace {

// Keeps the columns at their shares of the width whenever the list changes size or contents,
// but never narrower than their heading and their texts: a cut name ("2-way WBC w...") is
// worse than a list that scrolls sideways.
class CColumnShares : public QObject {
public:
    CColumnShares(QTreeWidget* list, std::vector<int> percents, int less)
        : QObject(list), m_list(list), m_percents(std::move(percents)), m_less(less) {
        list->header()->setStretchLastSection(false);
        list->installEventFilter(this);
        // Queued: the model also reports while the list is being torn down, and by the time
        // the call would run this object has gone with the list.
        QAbstractItemModel* model = list->model();
        connect(model, &QAbstractItemModel::modelReset, this, &CColumnShares::Apply,
                Qt::QueuedConnection);
        connect(model, &QAbstractItemModel::rowsInserted, this, &CColumnShares::Apply,
                Qt::QueuedConnection);
        connect(model, &QAbstractItemModel::dataChanged, this, &CColumnShares::Apply,
                Qt::QueuedConnection);
        Apply();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_list && event->type() == QEvent::Resize) {
            Apply();
        }
        return false;
    }

private:
    void Apply() {
        const int width = std::max(0, m_list->width() - m_less);
        for (std::size_t c = 0; c < m_percents.size(); ++c) {
            const int column = static_cast<int>(c);
            // Heading and texts, as the view measures them.
            m_list->resizeColumnToContents(column);
            const int needed = m_list->columnWidth(column);
            m_list->header()->resizeSection(column, std::max(width * m_percents[c] / 100, needed));
        }
    }
    QTreeWidget* m_list;
    std::vector<int> m_percents;
    int m_less;
};

class CCentredColumns : public QStyledItemDelegate {
public:
    CCentredColumns(QObject* parent, std::vector<int> columns)
        : QStyledItemDelegate(parent), m_columns(std::move(columns)) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (std::find(m_columns.begin(), m_columns.end(), index.column()) != m_columns.end()) {
            option->displayAlignment = Qt::AlignCenter;
        }
    }

private:
    std::vector<int> m_columns;
};

} // namespace

void CWizardPageBase::SetColumnShares(QTreeWidget* list, std::vector<int> percents, int less,
                                      const std::vector<int>& centred) {
    new CColumnShares(list, std::move(percents), less);
    if (!centred.empty()) {
        list->setItemDelegate(new CCentredColumns(list, centred));
        for (const int c : centred) {
            list->headerItem()->setTextAlignment(c, Qt::AlignCenter);
        }
    }
}

void CWizardPageBase::SetPicture(paint::EWizardPicture picture) {
    setPixmap(QWizard::WatermarkPixmap, QPixmap::fromImage(paint::WizardPicture(picture)));
}
