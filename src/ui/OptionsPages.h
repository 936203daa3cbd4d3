#pragma once
// The pages of the options dialogs, each a thin window over its controller: the local BTS
// connection ("LMP"), the display flags ("Display"), the cable colours ("Cable Colours") and
// the bar-code reader ("Bar Code Reader"). Nothing reaches the settings before Apply.

#include "app/options/CableColours.h"
#include "app/options/DisplayOptions.h"
#include "app/options/OptionsBTSConnection.h"
#include "app/options/OptionsBarCodeReader.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

class COptionsBTSConnectionPage : public QWidget {
    Q_OBJECT
public:
    COptionsBTSConnectionPage(COptionsBTSConnection& page, QWidget* parent = nullptr);
    // Reads the settings into the boxes (first showing, and after another page changed them).
    void Load();
    QCheckBox* EnableBox() const { return m_enable; }
    QComboBox* PortBox() const { return m_port; }
    QComboBox* SpeedBox() const { return m_speed; }

private:
    COptionsBTSConnection& m_page;
    QCheckBox* m_enable = nullptr;
    QComboBox* m_port = nullptr;
    QComboBox* m_speed = nullptr;
};

class COptionsDisplayPage : public QWidget {
    Q_OBJECT
public:
    COptionsDisplayPage(CPageOptionsCabling& page, QWidget* parent = nullptr);
    QCheckBox* WidebandBox() const { return m_wideband; }
    QCheckBox* OnlySelectedBox() const { return m_onlySelected; }
    QCheckBox* RackShelfSlotBox() const { return m_rack; }

private:
    CPageOptionsCabling& m_page;
    QCheckBox* m_wideband = nullptr;
    QCheckBox* m_onlySelected = nullptr;
    QCheckBox* m_rack = nullptr;
};

// A group's sample: cables drawn as curves in the group's unselected and selected colours.
class CCableSample : public QWidget {
    Q_OBJECT
public:
    CCableSample(const COptionsCableColoringKODA& colours, int group, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {140, 44}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const COptionsCableColoringKODA& m_colours;
    int m_group;
};

class COptionsCableColoursPage : public QWidget {
    Q_OBJECT
public:
    COptionsCableColoursPage(COptionsCableColoringKODA& page, QWidget* parent = nullptr);
    // The colour chooser; a test puts its own in. Nothing when the user cancelled.
    std::function<std::optional<QColor>(const QColor& current, const QString& title)> choose;
    QPushButton* Swatch(int index) const { return m_swatches[static_cast<std::size_t>(index)]; }
    QPushButton* ResetButton() const { return m_reset; }
    void Refresh();

private:
    void Choose(int index);

    COptionsCableColoringKODA& m_page;
    std::array<QPushButton*, COptionsCableColoringKODA::kCount> m_swatches{};
    std::array<CCableSample*, COptionsCableColoringKODA::kGroupCount> m_samples{};
    QPushButton* m_reset = nullptr;
};

class COptionsBarCodeReaderPage : public QWidget {
    Q_OBJECT
public:
    COptionsBarCodeReaderPage(COptionsBarCodeReader& page, QWidget* parent = nullptr);
    void Load();
    QCheckBox* EnableBox() const { return m_enable; }
    QCheckBox* ValidationBox() const { return m_validation; }
    QComboBox* PortBox() const { return m_port; }

private:
    COptionsBarCodeReader& m_page;
    QCheckBox* m_enable = nullptr;
    QGroupBox* m_portGroup = nullptr;
    QComboBox* m_port = nullptr;
    QComboBox* m_speed = nullptr;
    QComboBox* m_parity = nullptr;
    QComboBox* m_dataBits = nullptr;
    QComboBox* m_stopBits = nullptr;
    QCheckBox* m_validation = nullptr;
};
