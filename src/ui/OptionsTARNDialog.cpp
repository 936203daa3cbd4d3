#include "ui/OptionsTARNDialog.h"

#include "ui/HelpLauncher.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

COptionsTARNDialog::COptionsTARNDialog(QWidget* parent) : QDialog(parent) {
    setProperty(CHelpLauncher::kPageProperty, QStringLiteral("selmo.html"));
    setWindowTitle(tr(COptionsTARN::kTitle));
    setObjectName(QStringLiteral("OptionsTARN"));
    auto* layout = new QVBoxLayout(this);
    m_frame = new QFrame(this);
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_frame->setFrameShadow(QFrame::Sunken);
    m_frame->setMinimumSize(300, 120);
    m_frame->setAccessibleName(tr("Cable colours"));
    auto* inner = new QVBoxLayout(m_frame);
    auto* note = new QLabel(tr(COptionsTARN::kPlaceholder), m_frame);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    inner->addWidget(note);
    layout->addWidget(m_frame, 1);
    auto* row = new QHBoxLayout;
    m_reset = new QPushButton(tr(COptionsTARN::kResetColors), this);
    m_reset->setAccessibleName(tr(COptionsTARN::kResetColors));
    row->addWidget(m_reset);
    row->addStretch(1);
    layout->addLayout(row);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(m_buttons);
    connect(m_reset, &QPushButton::clicked, this, [this] { m_options.ResetColors(); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        m_options.Apply();
        accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}
