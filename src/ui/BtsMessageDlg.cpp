#include "ui/BtsMessageDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// The size the dialog has with its details shown.
constexpr SDialogSize kFullSize{480, 360};
} // namespace

CBtsMessageDlg::CBtsMessageDlg(const QString& message, const QString& details, bool hasDetails,
                               QWidget* parent)
    : QDialog(parent), m_rules(kFullSize, hasDetails) {
    setWindowTitle(QApplication::applicationName());
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    top->addWidget(icon, 0, Qt::AlignTop);
    m_message = new QLabel(message, this);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(m_message, 1);
    layout->addLayout(top);
    m_text = new QPlainTextEdit(details, this);
    m_text->setReadOnly(true);
    m_text->setAccessibleName(tr("Details"));
    layout->addWidget(m_text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_details =
        buttons->addButton(QString::fromLatin1(m_rules.ButtonText()), QDialogButtonBox::ActionRole);
    m_details->setEnabled(m_rules.ButtonEnabled());
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_details, &QPushButton::clicked, this, &CBtsMessageDlg::Toggle);
    Apply();
}

void CBtsMessageDlg::Apply() {
    m_applying = true;
    m_text->setVisible(m_rules.Expanded());
    m_details->setText(QString::fromLatin1(m_rules.ButtonText()));
    const SDialogSize s = m_rules.Size();
    setMinimumSize(0, 0);
    resize(s.width, s.height);
    m_applying = false;
}

void CBtsMessageDlg::Toggle() {
    m_rules.Toggle();
    Apply();
}

void CBtsMessageDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QApplication::beep();
    if (parentWidget() != nullptr) {
        move(parentWidget()->geometry().center() - rect().center());
    }
}

void CBtsMessageDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!m_applying) {
        m_rules.Resized({width(), height()});
    }
}
