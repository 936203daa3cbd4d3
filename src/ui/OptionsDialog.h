#pragma once
// The "Options" dialogs: the sheet of the configuration menus with every page, and the File
// menu's with the local BTS connection only. Pages read their settings when first shown and
// write them on Apply or OK; Cancel writes nothing.

#include "app/options/OptionsHost.h"
#include "app/options/OptionsSheet.h"
#include "app/settings/SerialPortList.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class CBTSConfigurationDoc;
class CMainFrame;
class CRegistry;
class CViewBaseKODA;
class COptionsBTSConnection;
class COptionsBarCodeReader;
class COptionsCableColoringKODA;
class CPageOptionsCabling;
class COptionsBTSConnectionPage;
class COptionsBarCodeReaderPage;
class COptionsCableColoursPage;
class COptionsDisplayPage;
class QDialogButtonBox;
class QTabWidget;

// What the dialog needs from the program besides the settings.
struct SOptionsContext {
    SActiveConnection connection;
    // The document follows "EnableBTS" (its connection-wanted flag), and applies it.
    std::function<bool()> documentAppliesBtsConnection;
    std::function<void()> applyBtsConnectionSetting;
    // The bar-code reader settings changed: the passive units page restarts its polling.
    std::function<void()> barCodeSettingChanged;
    // The view manager whose flags and colours the pages change; none leaves them out.
    CViewBaseKODA* viewManager = nullptr;
    std::function<void()> redrawViews;
};

class COptionsDialog : public QDialog, private IOptionsHost {
    Q_OBJECT
public:
    COptionsDialog(OptionsSheetKind kind, CRegistry& store, std::vector<SerialPortEntry> ports,
                   SOptionsContext context, QWidget* parent = nullptr);
    ~COptionsDialog() override;

    QTabWidget* Tabs() const { return m_tabs; }
    QDialogButtonBox* Buttons() const { return m_buttons; }
    COptionsBTSConnectionPage* ConnectionPage() const { return m_connectionPage; }
    COptionsDisplayPage* DisplayPage() const { return m_displayPage; }
    COptionsCableColoursPage* ColoursPage() const { return m_coloursPage; }
    COptionsBarCodeReaderPage* ReaderPage() const { return m_readerPage; }
    // Message boxes; tests answer them without a window.
    std::function<void(const std::string&)> warn;
    std::function<bool(const std::string&)> ask;

    // Writes every page that was shown.
    void Apply();

public slots:
    void accept() override;

private:
    void PageShown(int index);
    // IOptionsHost
    void Warning(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    SActiveConnection ActiveConnection() const override { return m_context.connection; }
    bool DocumentAppliesBtsConnection() const override;
    void ApplyBtsConnectionSetting() override;
    void NotifyBtsConnectionSettingChanged() override;
    void NotifyBarCodeSettingChanged() override;

    CRegistry& m_store;
    SOptionsContext m_context;
    std::unique_ptr<COptionsBTSConnection> m_connection;
    std::unique_ptr<CPageOptionsCabling> m_display;
    std::unique_ptr<COptionsCableColoringKODA> m_colours;
    std::unique_ptr<COptionsBarCodeReader> m_reader;
    QTabWidget* m_tabs = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    COptionsBTSConnectionPage* m_connectionPage = nullptr;
    COptionsDisplayPage* m_displayPage = nullptr;
    COptionsCableColoursPage* m_coloursPage = nullptr;
    COptionsBarCodeReaderPage* m_readerPage = nullptr;
};

// Lets the frame's two options commands open the dialogs over the document.
void InstallOptions(CMainFrame& frame, CBTSConfigurationDoc& doc, CRegistry& store,
                    std::vector<SerialPortEntry> ports);
