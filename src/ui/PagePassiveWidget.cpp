#include "ui/PagePassiveWidget.h"
#include "ui/QtText.h"
#include "ui/QtUserMessages.h"

#include "files/HWInfoFile.h"
#include "files/xml/PlanTextCodec.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

namespace {

std::string ToFile(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

const QString kHwiFilter = QStringLiteral("HW Information Files (*.hwi)");

} // namespace

CPagePassiveWidget::CPagePassiveWidget(CHWInfoFile& table, CRegistry& store, Hooks hooks,
                                       CUart::PortResolver resolver, QWidget* parent)
    : QWidget(parent), m_store(store), m_hooks(std::move(hooks)), m_page(table, store, *this),
      m_polling(store, *this, std::move(resolver)) {
    setWindowTitle(QStringLiteral("Information"));
    auto* grid = new QGridLayout;
    const auto addEdit = [&](int row, const QString& label, int acceptLimit, QLineEdit*& edit,
                             QLabel*& counter, QGridLayout* into) {
        auto* l = new QLabel(label);
        edit = new QLineEdit;
        edit->setMaxLength(acceptLimit);
        edit->setAccessibleName(QString(label).remove(QLatin1Char('&')));
        l->setBuddy(edit);
        counter = new QLabel;
        into->addWidget(l, row, 0);
        into->addWidget(edit, row, 1);
        into->addWidget(counter, row, 2);
    };
    m_location = new QComboBox;
    m_unitType = new QComboBox;
    auto* locationLabel = new QLabel(QStringLiteral("&Location:"));
    auto* typeLabel = new QLabel(QStringLiteral("&Unit Type:"));
    locationLabel->setBuddy(m_location);
    typeLabel->setBuddy(m_unitType);
    m_location->setAccessibleName(QStringLiteral("Location"));
    m_unitType->setAccessibleName(QStringLiteral("Unit Type"));
    for (const auto& name : CPagePassive::Locations()) {
        m_location->addItem(Q(name));
    }
    grid->addWidget(locationLabel, 0, 0);
    grid->addWidget(m_location, 0, 1, 1, 2);
    grid->addWidget(typeLabel, 1, 0);
    grid->addWidget(m_unitType, 1, 1, 1, 2);
    addEdit(2, QStringLiteral("&Serial Number:"), CPagePassive::Limit(PassiveField::Serial),
            m_serial, m_serialCount, grid);
    addEdit(3, QStringLiteral("&Product ID:"), CPagePassive::Limit(PassiveField::Product),
            m_product, m_productCount, grid);

    m_itemFrame = new QGroupBox;
    auto* itemGrid = new QGridLayout(m_itemFrame);
    // One more than the limit, so that the eleventh character reaches the rule that handles it.
    addEdit(0, QStringLiteral("&Item Code:"), CPagePassive::Limit(PassiveField::ItemCode) + 1,
            m_itemCode, m_itemCodeCount, itemGrid);
    addEdit(1, QStringLiteral("&Revision:"), CPagePassive::Limit(PassiveField::Revision),
            m_revision, m_revisionCount, itemGrid);
    grid->addWidget(m_itemFrame, 4, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, auto slot) {
        auto* b = new QPushButton(text);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, slot] {
            (m_page.*slot)();
            Refresh();
        });
    };
    button(QStringLiteral("&Add"), &CPagePassive::Add);
    button(QStringLiteral("&Modify"), &CPagePassive::Modify);
    button(QStringLiteral("&Delete"), &CPagePassive::Delete);
    button(QStringLiteral("&Import..."), &CPagePassive::Import);
    button(QStringLiteral("&Export..."), &CPagePassive::Export);
    auto* help = new QPushButton(QStringLiteral("&Help"));
    buttons->addWidget(help);
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_hooks.showHelp) {
            m_hooks.showHelp();
        }
    });

    auto* units = new QHBoxLayout;
    units->addWidget(new QLabel(QStringLiteral("Passive Units")));
    m_unitsCount = new QLabel;
    units->addWidget(m_unitsCount);
    units->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(units);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addStretch();

    const auto chosen = [this] {
        Refresh();
        if (m_hooks.nodeChosen) {
            m_hooks.nodeChosen(m_page.Selection());
        }
    };
    connect(m_location, &QComboBox::activated, this, [this, chosen](int index) {
        m_page.ChooseLocation(index);
        chosen();
    });
    connect(m_unitType, &QComboBox::activated, this, [this, chosen](int index) {
        m_page.ChooseUnitType(m_unitType->itemData(index).toInt());
        chosen();
    });
    connect(m_serial, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_page.SetSerial(ToFile(t));
        RefreshCounters();
    });
    connect(m_product, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_page.SetProduct(ToFile(t));
        RefreshCounters();
    });
    connect(m_itemCode, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_page.EditItemCode(ToFile(t), m_itemCode->cursorPosition());
        Refresh();
    });
    connect(m_revision, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_page.EditRevision(ToFile(t));
        Refresh();
    });
    connect(&m_timer, &QTimer::timeout, this, [this] { m_polling.Tick(); });

    m_page.Open();
    Refresh();
}

CPagePassiveWidget::~CPagePassiveWidget() {
    m_polling.Stop();
}

void CPagePassiveWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_page.ReadOptions();
    Refresh();
    m_polling.Restart();
}

void CPagePassiveWidget::hideEvent(QHideEvent* event) {
    m_polling.Stop();
    QWidget::hideEvent(event);
}

void CPagePassiveWidget::RestartReader() {
    m_page.ReadOptions();
    Refresh();
    if (isVisible()) {
        m_polling.Restart();
    }
}

void CPagePassiveWidget::ShowSelection(const SPassiveSelection& selection) {
    m_page.ShowSelection(selection);
    Refresh();
}

QLineEdit* CPagePassiveWidget::Edit(PassiveField field) const {
    switch (field) {
    case PassiveField::Serial:
        return m_serial;
    case PassiveField::Product:
        return m_product;
    case PassiveField::ItemCode:
        return m_itemCode;
    case PassiveField::Revision:
        return m_revision;
    case PassiveField::None:
        break;
    }
    return nullptr;
}

void CPagePassiveWidget::Refresh() {
    m_refreshing = true;
    m_location->setCurrentIndex(m_page.Location());
    m_unitType->clear();
    for (const auto& [group, name] : m_page.UnitTypes()) {
        m_unitType->addItem(FromFile(name), group);
    }
    m_unitType->setCurrentIndex(m_unitType->findData(m_page.UnitType()));
    for (auto field : {PassiveField::Serial, PassiveField::Product, PassiveField::ItemCode,
                       PassiveField::Revision}) {
        QLineEdit* edit = Edit(field);
        const QString text = FromFile(m_page.Text(field));
        if (edit->text() != text) {
            // A scanned code may be longer than the box takes: the checks must see all of it.
            edit->setMaxLength(std::max(edit->maxLength(), static_cast<int>(text.size())));
            edit->setText(text);
        }
    }
    const bool items = m_page.ValidationApplies();
    m_itemFrame->setVisible(items);
    m_product->setReadOnly(m_page.ProductReadOnly());
    RefreshCounters();
    m_refreshing = false;
}

void CPagePassiveWidget::RefreshCounters() {
    m_serialCount->setText(Q(m_page.CounterText(PassiveField::Serial)));
    m_productCount->setText(Q(m_page.CounterText(PassiveField::Product)));
    m_itemCodeCount->setText(Q(m_page.CounterText(PassiveField::ItemCode)));
    m_revisionCount->setText(Q(m_page.CounterText(PassiveField::Revision)));
    m_unitsCount->setText(Q(m_page.UnitsCounterText()));
}

void CPagePassiveWidget::Warning(const std::string& text) {
    QMessageBox::warning(this, QCoreApplication::applicationName(), Q(text));
}

bool CPagePassiveWidget::AskYesNo(const std::string& question) {
    return AskQuestion(this, QCoreApplication::applicationName(), Q(question),
                       QMessageBox::Question) == QMessageBox::Yes;
}

void CPagePassiveWidget::Beep() {
    QApplication::beep();
}

void CPagePassiveWidget::MoveFocus(PassiveField field, bool selectAll) {
    if (QLineEdit* edit = Edit(field)) {
        edit->setFocus(Qt::OtherFocusReason);
        if (selectAll) {
            edit->selectAll();
        }
    }
}

void CPagePassiveWidget::CaretToEnd(PassiveField field) {
    if (QLineEdit* edit = Edit(field)) {
        edit->setText(FromFile(m_page.Text(field)));
        edit->end(false);
    }
}

void CPagePassiveWidget::RedrawActiveView() {
    if (m_hooks.redrawActiveView) {
        m_hooks.redrawActiveView();
    }
}

void CPagePassiveWidget::SetPassiveInfoChanged(bool changed) {
    if (m_hooks.setPassiveInfoChanged) {
        m_hooks.setPassiveInfoChanged(changed);
    }
}

std::optional<std::string> CPagePassiveWidget::ChooseImportFile() {
    const QString dir =
        Q(settings::Read(m_store, settings::kHWInfoDir, QDir::homePath().toStdString()));
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open HW Information File"), dir, kHwiFilter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    settings::Write(m_store, settings::kHWInfoDir, QFileInfo(path).absolutePath().toStdString());
    return path.toStdString();
}

std::optional<std::string> CPagePassiveWidget::ChooseExportFile() {
    const QString dir =
        Q(settings::Read(m_store, settings::kHWInfoDir, QDir::homePath().toStdString()));
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save HW Information File"),
                                                dir, kHwiFilter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".hwi");
    }
    settings::Write(m_store, settings::kHWInfoDir, QFileInfo(path).absolutePath().toStdString());
    return path.toStdString();
}

bool CPagePassiveWidget::StartTimer(int milliseconds) {
    m_timer.start(milliseconds);
    return m_timer.isActive();
}

void CPagePassiveWidget::StopTimer() {
    m_timer.stop();
}

void CPagePassiveWidget::StopError(const std::string& text) {
    QMessageBox::critical(this, QCoreApplication::applicationName(), Q(text));
}

QLineEdit* CPagePassiveWidget::FocusedBox(PassiveField* which) const {
    QWidget* focused = QApplication::focusWidget();
    for (auto field : {PassiveField::Serial, PassiveField::Product, PassiveField::ItemCode,
                       PassiveField::Revision}) {
        if (Edit(field) == focused && focused != nullptr) {
            if (which != nullptr) {
                *which = field;
            }
            return Edit(field);
        }
    }
    return nullptr;
}

bool CPagePassiveWidget::FocusedIsEdit() const {
    // Only the page's own boxes: an edit box of another window would take the code without
    // its owner ever hearing of it.
    return FocusedBox() != nullptr;
}

bool CPagePassiveWidget::SetFocusedEditText(const std::string& text) {
    PassiveField field = PassiveField::None;
    if (FocusedBox(&field) == nullptr) {
        return false;
    }
    // The scanner sends bytes of the code page, which is what the page keeps.
    const bool taken = m_page.ReplaceText(field, text);
    Refresh();
    return taken;
}

void CPagePassiveWidget::PostTab() {
    if (QWidget* target = QApplication::focusWidget()) {
        QCoreApplication::postEvent(target,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    }
}

void RestartPassiveReaders() {
    // A page is found below its sheet and again below the main window that owns the sheet;
    // restarting it twice would tell an open failure twice.
    QSet<CPagePassiveWidget*> pages;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        for (CPagePassiveWidget* page : top->findChildren<CPagePassiveWidget*>()) {
            pages.insert(page);
        }
    }
    for (CPagePassiveWidget* page : pages) {
        page->RestartReader();
    }
}
