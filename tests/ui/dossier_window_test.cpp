// File > Export Commissioning Dossier... with a document connected to the simulated BTS run
// in-process: the dossier holds the candidate and the configuration fetched from the BTS, the
// window shows afterwards what it showed before, and a cancelled export keeps the old file; a
// printed and an exported view say where they come from.
#include "app/commands/CommandIds.h"
#include "app/dossier/DocumentDossier.h"
#include "app/link/DocumentLink.h"
#include "app/views/ViewBase.h"
#include "comms/CommsClient.h"
#include "comms/CommunicationBTS.h"
#include "comms/MMIServ.h"
#include "model/BtsConfiguration.h"
#include "platform/MemoryRegistry.h"
#include "platform/Registry.h"
#include "sim/SIMTransactServer.h"
#include "support/FrameDocument.h"
#include "support/PdfText.h"
#include "support/Screenshot.h"
#include "support/SimWindow.h"
#include "ui/DossierExport.h"
#include "ui/MainFrame.h"
#include "ui/views/BTSConfigurationView.h"
#include "ui/views/ContainerView.h"
#include "ui/views/ViewPrinting.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

struct DossierWindow : testsupport::SimWindow {
    DossierWindow() : SimWindow("cabrion-dossier-window") {
        frame.resize(1100, 760);
        frame.show();
    }
    bool PumpUntil(const std::function<bool()>& done) { return SimWindow::PumpUntil(done, true); }
    QString Path(const char* name) const { return QString::fromStdString((dir / name).string()); }
};

std::string PdfText(const QString& pdf) {
    return testsupport::PdfText(pdf.toStdString());
}

QAction* FileMenuAction(CMainFrame& frame, const QString& text) {
    for (QAction* menu : frame.menuBar()->actions()) {
        if (menu->text() == QStringLiteral("&File")) {
            for (QAction* a : menu->menu()->actions()) {
                if (a->text() == text) {
                    return a;
                }
            }
        }
    }
    return nullptr;
}

} // namespace

TEST(DossierWindow, ExportHoldsWhatWasFetchedAndLeavesTheWindowAsItWas) {
    DossierWindow w;
    ASSERT_TRUE(w.doc->OpenPath(testsupport::SamplePath(QStringLiteral("harbour-4x3.hwc")), true));
    QAction* item = FileMenuAction(w.frame, QStringLiteral("Export Commissioning &Dossier..."));
    ASSERT_NE(item, nullptr);
    w.frame.UpdateCommands();
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(item->shortcut().isEmpty());

    w.doc->OnIdle();
    w.doc->ConnectSimulator();
    auto* views = dynamic_cast<CViewBaseKODA*>(w.doc->AnyViewManager());
    ASSERT_NE(views, nullptr);
    ASSERT_TRUE(w.PumpUntil([&] { return views->BtsConfigurationComplete(); }))
        << "the configuration currently in BTS did not arrive";
    w.frame.Action(cmd::ViewCommandOfType(kViewRxMainCabling))->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(w.doc->CandidateTabSelected());
    const QImage before = w.frame.Container()->Picture()->grab().toImage();

    const QString pdf = w.Path("harbour.pdf");
    ASSERT_TRUE(DossierExport::WriteTo(&w.frame, *w.doc, pdf, false));
    const std::string text = PdfText(pdf);
    for (const char* part : {"Harbour 4+4+4", "fetched from the BTS", "Differences",
                             "Currently in BTS", "TX cabling information", "RVDB 12"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
    // The dossier draws every view of both tabs; the window still shows its own.
    EXPECT_TRUE(w.doc->CandidateTabSelected());
    EXPECT_FALSE(views->BtsTab());
    EXPECT_EQ(views->ActiveView()->Type(), kViewRxMainCabling);
    EXPECT_EQ(w.frame.Container()->Picture()->grab().toImage(), before);

    // Cancelled in its progress dialog: the message says so and the old dossier stays.
    const QByteArray old = [&] {
        QFile f(pdf);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QString message;
    QTimer poke;
    QObject::connect(&poke, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* progress = qobject_cast<QProgressDialog*>(top);
                progress != nullptr && progress->isVisible()) {
                testsupport::Shoot(*progress, QStringLiteral("dossier"),
                                   QStringLiteral("progress"));
                progress->cancel();
            }
        }
        if (QWidget* modal = QApplication::activeModalWidget();
            modal != nullptr && qobject_cast<QProgressDialog*>(modal) == nullptr) {
            message = modal->findChild<QObject*>(QStringLiteral("qt_msgbox_label")) != nullptr
                          ? modal->findChild<QObject*>(QStringLiteral("qt_msgbox_label"))
                                ->property("text")
                                .toString()
                          : QString();
            modal->close();
        }
    });
    poke.start(1);
    EXPECT_FALSE(DossierExport::WriteTo(&w.frame, *w.doc, pdf, false));
    poke.stop();
    EXPECT_TRUE(message.contains(QStringLiteral("cancelled"))) << message.toStdString();
    QFile after(pdf);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), old);
}

TEST(ViewPrintWindow, PrintedAndExportedViewNameTheSiteFileDateAndLevel) {
    DossierWindow w;
    ASSERT_TRUE(w.doc->OpenPath(testsupport::SamplePath(QStringLiteral("harbour-4x3.hwc")), true));
    w.frame.Action(cmd::ViewCommandOfType(kViewTxCabling))->trigger();
    QApplication::processEvents();
    const SPageFrame frame = PageFrameOf(*w.doc, *w.doc->AnyViewManager());
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    EXPECT_EQ(ViewExportFileName(frame, "TX Cabling", "png"),
              "harbour-4+4+4_candidate_tx-cabling_" + today + ".png");

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(w.Path("printed.pdf"));
    ASSERT_TRUE(ViewPrinting::PrintActiveView(printer, *w.doc));
    ASSERT_TRUE(ViewPrinting::ExportTo(&w.frame, *w.doc, w.Path("sheet.pdf"), 300));
    for (const char* pdf : {"printed.pdf", "sheet.pdf"}) {
        const std::string text = PdfText(w.Path(pdf));
        for (const std::string& part : {std::string("Harbour 4+4+4 - Configuration Candidate"),
                                        std::string("File: harbour-4x3.hwc"), today,
                                        "SW level: " + frame.swLevel, std::string("TX Cabling")}) {
            EXPECT_NE(text.find(part), std::string::npos) << pdf << ": " << part;
        }
    }
    EXPECT_NE(frame.swLevel, "Unknown");
    EXPECT_NE(PdfText(w.Path("printed.pdf")).find("Page 1 / 2"), std::string::npos);

    // The preview, for looking at.
    int shots = 0;
    QTimer poke;
    QObject::connect(&poke, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview == nullptr) {
            return;
        }
        for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
            preview->resize(size);
            QApplication::processEvents();
            testsupport::Shoot(*preview, QStringLiteral("print"),
                               QStringLiteral("preview-%1").arg(size.width()));
            ++shots;
        }
        preview->reject();
    });
    poke.start(50);
    ViewPrinting::PrintPreview(&w.frame, *w.doc);
    poke.stop();
    EXPECT_EQ(shots, 2);
}
