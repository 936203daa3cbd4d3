#pragma once
// The "Information" page of the passive units: the window over CPagePassive and the reader
// polling. It shows the controller's state and forwards what the user does.

#include "app/passive/BarCodePolling.h"
#include "app/passive/PagePassive.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;
class CHWInfoFile;
class CRegistry;

class CPagePassiveWidget : public QWidget, private IPassivePageHost, private IBarCodeHost {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> redrawActiveView;
        std::function<void(bool)> setPassiveInfoChanged;
        // The user chose a location or unit type: the tree selects that node.
        std::function<void(const SPassiveSelection&)> nodeChosen;
        std::function<void()> showHelp;
    };

    CPagePassiveWidget(CHWInfoFile& table, CRegistry& store, Hooks hooks,
                       CUart::PortResolver resolver = {}, QWidget* parent = nullptr);
    ~CPagePassiveWidget() override;

    CPagePassive& Controller() { return m_page; }
    // The tree selected a node.
    void ShowSelection(const SPassiveSelection& selection);
    // The reader options were applied: the page reads them again, and the reader starts again
    // when the page is shown.
    void RestartReader();
    bool ReaderRunning() const { return m_polling.Running(); }
    QLineEdit* Edit(PassiveField field) const;

protected:
    // The reader runs only while the page is shown: a scan must not reach the boxes of
    // another window.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Refresh();
    void RefreshCounters();

    // IPassivePageHost
    void Warning(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    void Beep() override;
    void MoveFocus(PassiveField field, bool selectAll) override;
    void CaretToEnd(PassiveField field) override;
    void RedrawActiveView() override;
    void SetPassiveInfoChanged(bool changed) override;
    std::optional<std::string> ChooseImportFile() override;
    std::optional<std::string> ChooseExportFile() override;
    // IBarCodeHost
    bool StartTimer(int milliseconds) override;
    void StopTimer() override;
    void StopError(const std::string& text) override;
    bool FocusedIsEdit() const override;
    bool SetFocusedEditText(const std::string& text) override;
    void PostTab() override;

    CRegistry& m_store;
    Hooks m_hooks;
    CPagePassive m_page;
    QTimer m_timer;
    CBarCodePolling m_polling;
    bool m_refreshing = false;

    QComboBox* m_location = nullptr;
    QComboBox* m_unitType = nullptr;
    QLineEdit* FocusedBox(PassiveField* field = nullptr) const;

    QLineEdit* m_serial = nullptr;
    QLineEdit* m_product = nullptr;
    QLineEdit* m_itemCode = nullptr;
    QLineEdit* m_revision = nullptr;
    QLabel* m_serialCount = nullptr;
    QLabel* m_productCount = nullptr;
    QLabel* m_itemCodeCount = nullptr;
    QLabel* m_revisionCount = nullptr;
    QLabel* m_unitsCount = nullptr;
    QGroupBox* m_itemFrame = nullptr;
};

// Every passive units page of the program reads the reader options again, each once.
void RestartPassiveReaders();
