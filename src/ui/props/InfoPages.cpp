#include "ui/props/InfoPages.h"
#include "ui/QtText.h"

#include "model/UnitKODA.h"
#include "paint/ViewIcons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using props::Buddy;

CPageBB2Xcon::CPageBB2Xcon(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CPropPage(parent), m_controller(site, document) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QGridLayout;
    m_trx = new QComboBox(this);
    m_half = new QComboBox(this);
    form->addWidget(Buddy(tr("&RVx Unit:"), m_trx, this), 0, 0);
    form->addWidget(m_trx, 0, 1);
    form->addWidget(Buddy(tr("&Connected to BB Half:"), m_half, this), 1, 0);
    form->addWidget(m_half, 1, 1);
    form->setColumnStretch(1, 1);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    // Other than straight-through connections are no longer supported, so there is nothing
    // to make flexible.
    auto* flexible = new QPushButton(tr("&Flexible"), this);
    flexible->setEnabled(false);
    m_reset = new QPushButton(tr("R&eset"), this);
    buttons->addWidget(flexible);
    buttons->addWidget(m_reset);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    auto* note = new QLabel(Q(PageBB2XconController::kNote), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);

    connect(m_trx, &QComboBox::activated, this, [this](int i) {
        m_previewHalf = 0;
        m_controller.SelectTrx(props::DataAt(m_trx, i));
        Refresh();
    });
    connect(m_half, &QComboBox::activated, this, [this](int i) {
        m_previewHalf = props::DataAt(m_half, i);
        m_controller.ChooseHalf(m_previewHalf);
    });
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_previewHalf = 0;
        AfterEdit(m_controller.Reset());
    });
}

void CPageBB2Xcon::FollowSelection(int kind, int number) {
    const int before = m_controller.SelectedTrx();
    m_controller.FollowSelection(kind, number);
    if (m_controller.SelectedTrx() != before) {
        m_previewHalf = 0;
    }
    Refresh();
}

void CPageBB2Xcon::Leave() {
    // A preview left behind would go on drawing in the BB2 view.
    if (m_previewHalf != 0) {
        m_previewHalf = 0;
        m_controller.SelectTrx(m_controller.SelectedTrx());
    }
}

void CPageBB2Xcon::Refresh() {
    const int trx = m_controller.SelectedTrx();
    props::Fill(m_trx, m_controller.Trxs(), trx);
    props::Fill(m_half, m_controller.Halves(),
                m_previewHalf != 0 ? m_previewHalf : m_controller.SelectedHalf());
    if (trx == 0) {
        props::Select(m_half, -1);
    }
    m_trx->setEnabled(m_controller.Editable());
    m_half->setEnabled(m_controller.Editable() && trx != 0);
    m_reset->setEnabled(m_controller.Editable() && m_controller.ResetEnabled());
}

CPageLogicalTRX::CPageLogicalTRX(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CPropPage(parent), m_controller(site, document) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    m_trx = new QComboBox(this);
    row->addWidget(Buddy(tr("&RVx unit:"), m_trx, this));
    row->addWidget(m_trx, 1);
    layout->addLayout(row);
    layout->addStretch(1);
    connect(m_trx, &QComboBox::activated, this,
            [this](int i) { m_controller.Choose(props::DataAt(m_trx, i)); });
}

void CPageLogicalTRX::Refresh() {
    props::Fill(m_trx, m_controller.Trxs(), m_controller.Chosen());
}

CPageDifferences::CPageDifferences(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CPropPage(parent), m_controller(site, document) {
    // The pictures of the views where each kind of missing information is put right.
    static constexpr int kViewOfList[4] = {2, 4, 5, 8};
    static const char* const kNames[4] = {"Missing Units", "Missing TX Cabling",
                                          "Missing RX Main Cabling", "Missing Antenna Settings"};
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        auto* icon = new QLabel(this);
        icon->setPixmap(paint::ViewIcon(kViewOfList[i]).pixmap(32, 32));
        icon->setAlignment(Qt::AlignTop);
        m_texts[i] = new QPlainTextEdit(this);
        m_texts[i]->setReadOnly(true);
        m_texts[i]->setAccessibleName(tr(kNames[i]));
        m_texts[i]->setTabChangesFocus(true);
        grid->addWidget(icon, i, 0);
        grid->addWidget(m_texts[i], i, 1);
        grid->setRowStretch(i, 1);
    }
    grid->setColumnStretch(1, 1);
}

void CPageDifferences::Refresh() {
    for (int i = 0; i < 4; ++i) {
        m_texts[i]->setPlainText(Q(m_controller.Text(i)));
    }
}

QString CPageDifferences::Text(int list) const {
    return m_texts[list & 3]->toPlainText();
}

CPageNoInfoOnBTS::CPageNoInfoOnBTS(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CPropPage(parent), m_controller(site, document) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto value = [this] {
        auto* label = new QLabel(this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setWordWrap(true);
        return label;
    };
    m_state = value();
    m_comment = value();
    form->addRow(Buddy(tr("BCF state:"), m_state, this), m_state);
    form->addRow(Buddy(tr("Comment:"), m_comment, this), m_comment);
    static const char* const kFiles[3] = {
        "First configuration file:", "Second configuration file:", "Passive unit file:"};
    for (int i = 0; i < 3; ++i) {
        m_files[i] = value();
        form->addRow(Buddy(tr(kFiles[i]), m_files[i], this), m_files[i]);
    }
    layout->addLayout(form);
    auto* note =
        new QLabel(tr("The BTS configuration cannot be edited in the BTS tab view.\n\nTo edit it, "
                      "copy it to the configuration candidate with \"Edit Current BTS "
                      "Configuration\" in the Edit menu, then edit the candidate."),
                   this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
}

void CPageNoInfoOnBTS::Refresh() {
    const SBtsPageState st = m_controller.State();
    m_state->setText(Q(st.bcfState));
    m_comment->setText(Q(st.comment));
    m_files[0]->setText(Q(st.firstFile));
    m_files[1]->setText(Q(st.secondFile));
    m_files[2]->setText(Q(st.passiveFile));
}

QString CPageNoInfoOnBTS::StateText() const {
    return m_state->text();
}

QString CPageNoInfoOnBTS::CommentText() const {
    return m_comment->text();
}

CPageNoInfo::CPageNoInfo(QWidget* parent) : CPropPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("No properties available."), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
}
