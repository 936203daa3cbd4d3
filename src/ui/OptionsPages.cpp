#include "ui/OptionsPages.h"
#include "ui/QtText.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QComboBox* ListOf(const std::vector<std::string>& names, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const std::string& name : names) {
        box->addItem(Q(name));
    }
    return box;
}

QComboBox* PortList(const std::vector<SerialPortEntry>& ports, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const SerialPortEntry& port : ports) {
        box->addItem(Q(port.Label()), port.number);
    }
    return box;
}

// Settings keep 0x00BBGGRR.
QColor ToQColor(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t FromQColor(const QColor& c) {
    return COptionsCableColoringKODA::Rgb(c.red(), c.green(), c.blue());
}

QLabel* Explanation(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setContentsMargins(22, 0, 0, 8);
    return label;
}

} // namespace

// ---- LMP -------------------------------------------------------------------------------------

COptionsBTSConnectionPage::COptionsBTSConnectionPage(COptionsBTSConnection& page, QWidget* parent)
    : QWidget(parent), m_page(page) {
    auto* outer = new QVBoxLayout(this);
    m_enable = new QCheckBox(tr("&Enable Automatic BTS Connection"), this);
    outer->addWidget(m_enable);
    auto* group = new QGroupBox(tr("Local Management Port Settings"), this);
    auto* form = new QFormLayout(group);
    m_port = PortList(page.Ports(), group);
    m_speed = ListOf(COptionsBTSConnection::SpeedNames(), group);
    form->addRow(tr("&Serial Port:"), m_port);
    form->addRow(tr("S&peed:"), m_speed);
    outer->addWidget(group);
    outer->addStretch();
    connect(m_enable, &QCheckBox::toggled, this, [this](bool on) { m_page.SetEnabled(on); });
    connect(m_port, &QComboBox::activated, this, [this](int i) { m_page.ChoosePort(i); });
    connect(m_speed, &QComboBox::activated, this, [this](int i) { m_page.ChooseSpeed(i); });
}

void COptionsBTSConnectionPage::Load() {
    const QSignalBlocker a(m_enable);
    m_enable->setChecked(m_page.Enabled());
    m_port->setCurrentIndex(m_page.PortIndex());
    m_speed->setCurrentIndex(m_page.SpeedIndex());
}

// ---- Display ---------------------------------------------------------------------------------

COptionsDisplayPage::COptionsDisplayPage(CPageOptionsCabling& page, QWidget* parent)
    : QWidget(parent), m_page(page) {
    auto* outer = new QVBoxLayout(this);
    m_wideband = new QCheckBox(tr("&Show Wideband and Multicoupler Units"), this);
    outer->addWidget(m_wideband);
    outer->addWidget(Explanation(
        tr("This option includes passive units to the cabling path, i.e. cabling between RVxs "
           "and multicouplers is shown with RX cabling. \nNOTE: The BTS needs only logical "
           "cabling information, i.e. information about which RVx is connected to which "
           "HYx/KNx or external BTS."),
        this));
    m_onlySelected = new QCheckBox(tr("S&how Only Selected Cabling "), this);
    outer->addWidget(m_onlySelected);
    outer->addWidget(Explanation(
        tr("When a unit is selected, this option shows all cabling related to the selected "
           "unit. "),
        this));
    m_rack =
        new QCheckBox(tr("&Show rack, shelf and slot information in Cabinet Units view"), this);
    outer->addWidget(m_rack);
    outer->addWidget(Explanation(
        tr("This option displays rack, shelf and slot information in Graphical view."), this));
    outer->addStretch();
    const SDisplayFlags& flags = m_page.Flags();
    m_wideband->setChecked(flags.widebandAndMulticoupler);
    m_onlySelected->setChecked(flags.onlySelectedCabling);
    m_rack->setChecked(flags.rackShelfSlot);
    connect(m_wideband, &QCheckBox::toggled, this,
            [this](bool on) { m_page.Flags().widebandAndMulticoupler = on; });
    connect(m_onlySelected, &QCheckBox::toggled, this,
            [this](bool on) { m_page.Flags().onlySelectedCabling = on; });
    connect(m_rack, &QCheckBox::toggled, this,
            [this](bool on) { m_page.Flags().rackShelfSlot = on; });
}

// ---- Cable colours ---------------------------------------------------------------------------

CCableSample::CCableSample(const COptionsCableColoringKODA& colours, int group, QWidget* parent)
    : QWidget(parent), m_colours(colours), m_group(group) {
    setMinimumSize(120, 40);
    setAccessibleName(tr("%1 sample").arg(Q(COptionsCableColoringKODA::GroupName(group))));
}

void CCableSample::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    // Two units joined by cables: the upper ones unselected, the lowest one selected, as a view
    // shows them when one unit is chosen.
    const QRectF left(6, 6, 22, height() - 12);
    const QRectF right(width() - 28, 6, 22, height() - 12);
    p.setPen(QPen(palette().text().color(), 1));
    p.setBrush(palette().button());
    p.drawRect(left);
    p.drawRect(right);
    const int cables = 3;
    for (int i = 0; i < cables; ++i) {
        const bool selected = i == cables - 1;
        const qreal y0 = left.top() + (i + 1) * left.height() / (cables + 1);
        const qreal y1 = right.top() + (cables - i) * right.height() / (cables + 1);
        QPainterPath path(QPointF(left.right(), y0));
        const qreal span = right.left() - left.right();
        path.cubicTo(QPointF(left.right() + span * 0.45, y0),
                     QPointF(right.left() - span * 0.45, y1), QPointF(right.left(), y1));
        const int index = selected ? COptionsCableColoringKODA::SelectedIndex(m_group)
                                   : COptionsCableColoringKODA::UnselectedIndex(m_group);
        p.setPen(QPen(ToQColor(m_colours.Colour(index)), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

COptionsCableColoursPage::COptionsCableColoursPage(COptionsCableColoringKODA& page, QWidget* parent)
    : QWidget(parent), m_page(page) {
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int group = 0; group < COptionsCableColoringKODA::kGroupCount; ++group) {
        const QString name = Q(COptionsCableColoringKODA::GroupName(group));
        auto* caption = new QLabel(name, this);
        auto* sample = new CCableSample(page, group, this);
        m_samples[static_cast<std::size_t>(group)] = sample;
        grid->addWidget(caption, group, 0);
        grid->addWidget(sample, group, 1);
        const int indexes[2] = {COptionsCableColoringKODA::UnselectedIndex(group),
                                COptionsCableColoringKODA::SelectedIndex(group)};
        const QString texts[2] = {tr("Unselected"), tr("Selected")};
        for (int k = 0; k < 2; ++k) {
            const int index = indexes[k];
            auto* swatch = new QPushButton(texts[k], this);
            swatch->setAccessibleName(name + QLatin1String(", ") + texts[k]);
            swatch->setIconSize(QSize(28, 14));
            m_swatches[static_cast<std::size_t>(index)] = swatch;
            grid->addWidget(swatch, group, 2 + k);
            connect(swatch, &QPushButton::clicked, this, [this, index] { Choose(index); });
        }
    }
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    m_reset = new QPushButton(tr("Reset Colours"), this);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_reset);
    outer->addLayout(row);
    outer->addStretch();
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_page.ResetColours();
        Refresh();
    });
    choose = [this](const QColor& current, const QString& title) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(current, this, title);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
    Refresh();
}

void COptionsCableColoursPage::Refresh() {
    for (int i = 0; i < COptionsCableColoringKODA::kCount; ++i) {
        QPixmap chip(28, 14);
        chip.fill(ToQColor(m_page.Colour(i)));
        m_swatches[static_cast<std::size_t>(i)]->setIcon(QIcon(chip));
    }
    for (CCableSample* sample : m_samples) {
        sample->update();
    }
}

void COptionsCableColoursPage::Choose(int index) {
    if (!choose) {
        return;
    }
    const int group = index / 2;
    const QString title = Q(COptionsCableColoringKODA::GroupName(group)) + QLatin1String(" - ") +
                          m_swatches[static_cast<std::size_t>(index)]->text();
    if (const std::optional<QColor> c = choose(ToQColor(m_page.Colour(index)), title)) {
        m_page.SetColour(index, FromQColor(*c));
        Refresh();
    }
}

// ---- Bar-code reader -------------------------------------------------------------------------

COptionsBarCodeReaderPage::COptionsBarCodeReaderPage(COptionsBarCodeReader& page, QWidget* parent)
    : QWidget(parent), m_page(page) {
    auto* outer = new QVBoxLayout(this);
    m_enable = new QCheckBox(tr("&Enable Bar Code Reader"), this);
    outer->addWidget(m_enable);
    m_portGroup = new QGroupBox(tr("Bar Code Reader Port Settings"), this);
    auto* form = new QFormLayout(m_portGroup);
    m_port = PortList(page.Ports(), m_portGroup);
    m_speed = ListOf(COptionsBarCodeReader::SpeedNames(), m_portGroup);
    m_parity = ListOf(COptionsBarCodeReader::ParityNames(), m_portGroup);
    m_dataBits = ListOf(COptionsBarCodeReader::DataBitsNames(), m_portGroup);
    m_stopBits = ListOf(COptionsBarCodeReader::StopBitsNames(), m_portGroup);
    form->addRow(tr("&Serial Port:"), m_port);
    form->addRow(tr("S&peed:"), m_speed);
    form->addRow(tr("P&arity:"), m_parity);
    form->addRow(tr("&Data Bits:"), m_dataBits);
    form->addRow(tr("S&top Bits:"), m_stopBits);
    outer->addWidget(m_portGroup);
    m_validation = new QCheckBox(tr("Enable Passive Unit &Validation"), this);
    outer->addWidget(m_validation);
    outer->addStretch();
    connect(m_enable, &QCheckBox::toggled, this, [this](bool on) {
        m_page.SetEnabled(on);
        Load();
    });
    connect(m_port, &QComboBox::activated, this, [this](int i) { m_page.ChoosePort(i); });
    connect(m_speed, &QComboBox::activated, this, [this](int i) { m_page.ChooseSpeed(i); });
    connect(m_parity, &QComboBox::activated, this, [this](int i) { m_page.ChooseParity(i); });
    connect(m_dataBits, &QComboBox::activated, this, [this](int i) { m_page.ChooseDataBits(i); });
    connect(m_stopBits, &QComboBox::activated, this, [this](int i) { m_page.ChooseStopBits(i); });
    connect(m_validation, &QCheckBox::toggled, this, [this](bool on) { m_page.SetValidation(on); });
}

void COptionsBarCodeReaderPage::Load() {
    const QSignalBlocker a(m_enable);
    const QSignalBlocker b(m_validation);
    m_enable->setChecked(m_page.Enabled());
    m_validation->setChecked(m_page.Validation());
    m_port->setCurrentIndex(m_page.PortIndex());
    m_speed->setCurrentIndex(m_page.Speed());
    m_parity->setCurrentIndex(m_page.Parity());
    m_dataBits->setCurrentIndex(m_page.DataBits());
    m_stopBits->setCurrentIndex(m_page.StopBits());
    m_portGroup->setEnabled(m_page.PortSettingsEnabled());
}
