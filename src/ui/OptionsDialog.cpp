#include "ui/OptionsDialog.h"
#include "ui/OptionsTARNDialog.h"

#include "app/document/BTSConfigurationDoc.h"
#include "app/link/DocumentLink.h"
#include "app/views/ViewBase.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"
#include "ui/HelpLauncher.h"
#include "ui/MainFrame.h"
#include "ui/OptionsPages.h"
#include "ui/PagePassiveWidget.h"
#include "ui/QtUserMessages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

COptionsDialog::COptionsDialog(OptionsSheetKind kind, CRegistry& store,
                               std::vector<SerialPortEntry> ports, SOptionsContext context,
                               QWidget* parent)
    : QDialog(parent), m_store(store), m_context(std::move(context)) {
    setProperty(CHelpLauncher::kPageProperty, QStringLiteral("options.html"));
    setWindowTitle(tr("Options"));
    auto* outer = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    outer->addWidget(m_tabs, 1);
    IOptionsHost& host = *this;
    for (const std::string& caption : OptionsPages(kind, m_context.connection)) {
        const QString title = QString::fromStdString(caption);
        if (caption == "LMP") {
            m_connection = std::make_unique<COptionsBTSConnection>(m_store, host, ports);
            m_connectionPage = new COptionsBTSConnectionPage(*m_connection, m_tabs);
            m_tabs->addTab(m_connectionPage, title);
        } else if (caption == "Display") {
            SDisplayFlags flags;
            if (m_context.viewManager != nullptr) {
                flags = SDisplayFlags::FromViewSettings(m_context.viewManager->ViewSettings());
            }
            m_display = std::make_unique<CPageOptionsCabling>(flags);
            m_displayPage = new COptionsDisplayPage(*m_display, m_tabs);
            m_tabs->addTab(m_displayPage, title);
        } else if (caption == "Cable Colours") {
            m_colours = std::make_unique<COptionsCableColoringKODA>(m_store);
            m_coloursPage = new COptionsCableColoursPage(*m_colours, m_tabs);
            m_tabs->addTab(m_coloursPage, title);
        } else if (caption == "Bar Code Reader") {
            m_reader = std::make_unique<COptionsBarCodeReader>(m_store, host, ports);
            m_readerPage = new COptionsBarCodeReaderPage(*m_reader, m_tabs);
            m_tabs->addTab(m_readerPage, title);
        }
    }
    m_buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    outer->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &COptionsDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &COptionsDialog::reject);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &COptionsDialog::Apply);
    connect(m_tabs, &QTabWidget::currentChanged, this, &COptionsDialog::PageShown);
    warn = [this](const std::string& text) {
        QMessageBox::warning(this, QStringLiteral("Cabrion"), QString::fromStdString(text));
    };
    ask = [this](const std::string& text) {
        return AskQuestion(this, QStringLiteral("Cabrion"), QString::fromStdString(text),
                           QMessageBox::Question) == QMessageBox::Yes;
    };
    // The first page is shown at once; the others read their settings when chosen.
    QMetaObject::invokeMethod(
        this, [this] { PageShown(m_tabs->currentIndex()); }, Qt::QueuedConnection);
}

COptionsDialog::~COptionsDialog() = default;

void COptionsDialog::PageShown(int index) {
    QWidget* page = m_tabs->widget(index);
    if (page != nullptr && page == m_connectionPage && !m_connection->Opened()) {
        m_connection->Open();
        m_connectionPage->Load();
    } else if (page != nullptr && page == m_readerPage && !m_reader->Opened()) {
        m_reader->Open();
        m_readerPage->Load();
    }
}

void COptionsDialog::Apply() {
    if (m_connection) {
        m_connection->Apply();
        if (m_connection->Opened()) {
            m_connectionPage->Load();
        }
    }
    bool redraw = false;
    if (m_display && m_context.viewManager != nullptr) {
        SDisplayFlags flags =
            SDisplayFlags::FromViewSettings(m_context.viewManager->ViewSettings());
        if (m_display->Apply(m_store, &flags)) {
            m_context.viewManager->SetViewSettings(flags.ToViewSettings());
            redraw = true;
        }
    }
    if (m_colours && m_colours->Changed()) {
        m_colours->Apply(m_store);
        if (m_context.viewManager != nullptr) {
            m_context.viewManager->ReadColours(m_store);
        }
        redraw = true;
    }
    if (m_reader) {
        m_reader->Apply();
        if (m_reader->Opened()) {
            m_readerPage->Load();
        }
    }
    if (redraw && m_context.redrawViews) {
        m_context.redrawViews();
    }
}

void COptionsDialog::accept() {
    Apply();
    QDialog::accept();
}

void COptionsDialog::Warning(const std::string& text) {
    if (warn) {
        warn(text);
    }
}

bool COptionsDialog::AskYesNo(const std::string& question) {
    return ask && ask(question);
}

bool COptionsDialog::DocumentAppliesBtsConnection() const {
    return m_context.documentAppliesBtsConnection && m_context.documentAppliesBtsConnection();
}

void COptionsDialog::ApplyBtsConnectionSetting() {
    if (m_context.applyBtsConnectionSetting) {
        m_context.applyBtsConnectionSetting();
    }
}

void COptionsDialog::NotifyBtsConnectionSettingChanged() {
    if (m_connection && m_connection->Opened()) {
        m_connection->OnBtsConnectionSettingChanged();
        m_connectionPage->Load();
    }
}

void COptionsDialog::NotifyBarCodeSettingChanged() {
    if (m_reader && m_reader->Opened()) {
        m_reader->OnBarCodeSettingChanged();
        m_readerPage->Load();
    }
    if (m_context.barCodeSettingChanged) {
        m_context.barCodeSettingChanged();
    }
}

void InstallOptions(CMainFrame& frame, CBTSConfigurationDoc& doc, CRegistry& store,
                    std::vector<SerialPortEntry> ports) {
    frame.options = [&frame, &doc, &store, ports = std::move(ports)](bool fileMenu) {
        if (!fileMenu && doc.SiteTARN() != nullptr) {
            // The Selmo family has its own options, which store nothing.
            COptionsTARNDialog dialog(&frame);
            dialog.exec();
            return;
        }
        SOptionsContext context;
        context.connection.kind = doc.Link().ConnectionKind();
        context.connection.comPort = doc.Link().ComPort();
        context.documentAppliesBtsConnection = [&doc] { return doc.ConnectionWanted(); };
        context.applyBtsConnectionSetting = [&doc, &store] {
            doc.SetConnectionWanted(settings::Read(store, settings::kEnableBTS) == 1);
            doc.SiteLoaded();
        };
        // The passive units page may be open in the property sheet: its reader starts again
        // on the port and line settings just applied.
        context.barCodeSettingChanged = [] { RestartPassiveReaders(); };
        context.viewManager = doc.ViewManager();
        context.redrawViews = [&doc, &frame] {
            doc.RefreshViews();
            frame.RedrawViews();
        };
        COptionsDialog dialog(fileMenu ? OptionsSheetKind::NoBTS : OptionsSheetKind::Site, store,
                              ports, std::move(context), &frame);
        dialog.exec();
        // What the pages stored reaches the views and the link: colours and display options,
        // a switched-off connection, another COM port, another top speed.
        doc.SettingsChanged();
        frame.RefreshFrame();
    };
}
