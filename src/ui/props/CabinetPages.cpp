#include "ui/props/CabinetPages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

CPageCabType::CPageCabType(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CPropPage(parent), m_controller(site, document) {
    static const char* const kTexts[] = {
        "&Indoor cabinet, basic cabinet type",
        "&Outdoor cabinet, including massive cover and cabinet fan",
        "Indoor &Midi cabinet, indoor cabinet with room for 6 TRXs",
        "Outdoor Mi&di cabinet, including massive cover and cabinet fan",
        "Mi&ni cabinet, with room for 4 TRXs",
    };
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(tr("Cabinet Type"), this);
    auto* boxLayout = new QVBoxLayout(box);
    m_types = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* button = new QRadioButton(tr(kTexts[i]), box);
        button->setAccessibleName(props::Plain(button->text()));
        m_types->addButton(button, i);
        boxLayout->addWidget(button);
    }
    layout->addWidget(box);
    layout->addStretch(1);
    connect(m_types, &QButtonGroup::idClicked, this, [this](int id) {
        AfterEdit(m_controller.ChooseType(PageCabTypeController::TypeOfButton(id)));
    });
}

QRadioButton* CPageCabType::Button(int index) const {
    return qobject_cast<QRadioButton*>(m_types->button(index));
}

void CPageCabType::Refresh() {
    const int selected = m_controller.SelectedButton();
    const QSignalBlocker block(m_types);
    // An unknown stored type shows no button checked.
    m_types->setExclusive(false);
    for (QAbstractButton* b : m_types->buttons()) {
        b->setChecked(m_types->id(b) == selected);
        b->setEnabled(m_controller.Editable());
    }
    m_types->setExclusive(true);
}

CPageCabUsage::CPageCabUsage(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CPropPage(parent), m_controller(site, document) {
    static const char* const kClock[] = {
        "&Do NOT use autodetected Clock Synchronization between BTSs",
        "&Use autodetected Clock Synchronization between BTS cabinets",
        "&LMU is connected to this BTS",
        "L&MU is connected to this chain BUT NOT to this cabinet",
    };
    auto* layout = new QVBoxLayout(this);
    auto* clockBox = new QGroupBox(tr("Clock Synchronization"), this);
    auto* clockLayout = new QVBoxLayout(clockBox);
    m_clock = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(tr(kClock[i]), clockBox);
        button->setAccessibleName(props::Plain(button->text()));
        m_clock->addButton(button, i);
        clockLayout->addWidget(button);
    }
    layout->addWidget(clockBox);
    auto check = [this, layout](const char* text) {
        auto* box = new QCheckBox(tr(text), this);
        box->setAccessibleName(props::Plain(box->text()));
        layout->addWidget(box);
        return box;
    };
    m_lte = check("&LTE is installed in Site Support, LTE alarms are accepted");
    m_vswr = check("&VSWR monitoring is in use, TX cabling is required");
    m_wcdma = check("&WCDMA upgrade is installed in the lower part of the cabinet");
    m_mrc = check("MRC support with WBC in BB2 slots (fan control)");
    // Nothing is stored for it, in a file or in the BTS: it stays off and disabled so that no
    // one believes it changes the configuration.
    m_detectedClock = check("Use detected clock sy&nchronization between BTS cabinets");
    m_detectedClock->setEnabled(false);
    layout->addStretch(1);

    connect(m_clock, &QButtonGroup::idClicked, this,
            [this](int id) { Changed({.clockSync = id}); });
    connect(m_lte, &QCheckBox::clicked, this, [this](bool on) { Changed({.lte = on ? 1 : 0}); });
    connect(m_vswr, &QCheckBox::clicked, this, [this](bool on) { Changed({.vswr = on ? 1 : 0}); });
    connect(m_wcdma, &QCheckBox::clicked, this,
            [this](bool on) { Changed({.wcdma = on ? 1 : 0}); });
    connect(m_mrc, &QCheckBox::clicked, this, [this](bool on) { Changed({.mrc = on ? 1 : 0}); });
}

QRadioButton* CPageCabUsage::ClockButton(int mode) const {
    return qobject_cast<QRadioButton*>(m_clock->button(mode));
}

void CPageCabUsage::Changed(const SCabUsageChange& change) {
    AfterEdit(m_controller.Apply(change));
}

void CPageCabUsage::Refresh() {
    const SCabUsageState st = m_controller.State();
    const bool editable = m_controller.Editable();
    {
        const QSignalBlocker block(m_clock);
        for (QAbstractButton* b : m_clock->buttons()) {
            const int id = m_clock->id(b);
            b->setVisible(id < 2 || st.lmuChoicesVisible);
            b->setEnabled(editable);
            if (id == st.clockSync) {
                b->setChecked(true);
            }
        }
    }
    m_lte->setChecked(st.lte);
    m_lte->setEnabled(editable);
    m_vswr->setChecked(st.vswr);
    m_vswr->setEnabled(editable);
    m_wcdma->setChecked(st.wcdma);
    m_wcdma->setEnabled(editable && st.wcdmaEnabled);
    m_mrc->setChecked(st.mrc);
    m_mrc->setEnabled(editable && st.mrcEnabled);
}
