// The transfer window against the simulated BTS over TCP, as the main window opens it from the
// BTS menu: a send reaches 100 % and reads the configuration back, a fetch brings it back, the
// window keeps its event loop going while the link waits, and a BTS that stops answering ends
// in the failure status with the candidate untouched.
#include "app/commands/CommandIds.h"
#include "app/document/BTSConfigurationDoc.h"
#include "app/document/CandidateJson.h"
#include "app/link/DocumentLink.h"
#include "app/startup/LinkStartup.h"
#include "comms/CommsClient.h"
#include "comms/CommunicationBTS.h"
#include "comms/ElementCodec.h"
#include "comms/MMIServ.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "platform/MemoryRegistry.h"
#include "sim/SIMTransactServer.h"
#include "support/Screenshot.h"
#include "support/SimProcess.h"
#include "support/SimScenarios.h"
#include "ui/BTSUpdateFetchWindow.h"
#include "ui/MainFrame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using testsupport::CSimProcess;

// A BTS that reports itself with its BCF in Commissioning to every client.
nlohmann::json Scenario() {
    return testsupport::CommissioningBtsScenario();
}

void Shoot(QWidget& w, const QString& name) {
    testsupport::Shoot(w, QStringLiteral("dialogs"), name);
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        ::usleep(5000);
    }
    return true;
}

class CDocumentClient : public CCommsClient {
public:
    explicit CDocumentClient(CBTSConfigurationDoc& doc)
        : CCommsClient(CCommunicationBTS::Instance()), m_doc(doc) {}
    void OnReport(const CCommsReport& report) override { m_doc.OnReport(report); }
    void OnUplinkMessage(std::span<const uint8_t> message) override {
        offThread = offThread || QThread::currentThread() != QCoreApplication::instance()->thread();
        m_doc.OnUplinkMessage(message);
    }
    // The document and its windows are the GUI thread's alone.
    bool offThread = false;

private:
    CBTSConfigurationDoc& m_doc;
};

// The program's window, document and link, connected to a simulated BTS process.
class TransferWindow : public ::testing::Test {
protected:
    void StartBts(const nlohmann::json& scenario, const std::string& fault = {}) {
        dir = fs::temp_directory_path() / ("cabrion_transfer_window_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        std::ofstream(dir / "bts.json") << scenario.dump();
        std::vector<std::string> args{testsupport::BtsSimProgram(), "--listen", "127.0.0.1:0",
                                      "--scenario", (dir / "bts.json").string()};
        if (!fault.empty()) {
            args.insert(args.end(), {"--fault", fault});
        }
        sim = std::make_unique<CSimProcess>(args);
        const std::string line = sim->FirstLine();
        ASSERT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
        port = line.substr(std::string("listening 127.0.0.1:").size());

        Connect(1, "HOST=127.0.0.1,TCPPORT=" + port);
    }

    void Connect(int kind, const std::string& target) {
        CBtsConfiguration::Drop();
        settings.SetInt("Initialization", "EnableBTS", 0);
        RelayLinkThroughEventLoop(hub);
        CBTSConfigurationDoc::SServices s;
        s.windows = &frame;
        s.link = &link;
        s.settings = &settings;
        s.documentsFolder = QDir::tempPath().toStdString();
        s.transferDialogs = true;
        doc = std::make_unique<CBTSConfigurationDoc>(s);
        CMMIServ::Instance().SetHost(doc.get());
        client = std::make_unique<CDocumentClient>(*doc);
        frame.SetSettings(&settings);
        frame.AttachDocument(doc.get());
        frame.show();
        const std::string sample =
            QDir(QString::fromUtf8(CABRION_TEST_DATA_DIR) + QStringLiteral("/../../docs/samples"))
                .filePath(QStringLiteral("harbour-4x3.hwc"))
                .toStdString();
        ASSERT_TRUE(doc->OpenPath(sample, true));
        doc->OnIdle(); // the event log exists from the first idle pass
        ASSERT_TRUE(link.Start(kind, target));
        ASSERT_TRUE(WaitFor(
            [&] {
                if (kind == 3) {
                    hub.Pump(); // what the simulated BTS reports waits for a poll
                }
                return doc->IsCommandEnabled(cmd::kSend) && link.SendingEnabled();
            },
            20000))
            << "the simulated BTS did not report a BCF state that allows sending";
    }

    void TearDown() override {
        StopRelayingLink(hub);
        hub.SetSimulatorFactory({});
        client.reset();
        CMMIServ::Instance().SetHost(nullptr);
        doc.reset();
        CBtsConfiguration::Drop();
        sim.reset();
        if (!dir.empty()) {
            fs::remove_all(dir);
        }
    }

    // Runs a BTS menu command; `drive` gets the transfer window once it is up. Questions on the
    // way are answered Yes and kept.
    void RunCommand(int id, const std::function<void(CBTSUpdateFetchWindow&)>& drive) {
        bool driven = false;
        // Two timers: a timer does not fire again while its own handler runs, and the window is
        // driven from one while the other answers the questions the flow asks.
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                questions << box->text();
                if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                    yes->click();
                } else {
                    box->accept();
                }
            }
        });
        answer.start();
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* window = qobject_cast<CBTSUpdateFetchWindow*>(QApplication::activeModalWidget());
            if (window != nullptr && !driven && !window->Busy()) {
                driven = true;
                drive(*window);
                window->CloseButton()->click();
            }
        });
        poll.start();
        frame.Action(id)->trigger();
        poll.stop();
        answer.stop();
        EXPECT_TRUE(driven);
    }

    fs::path dir;
    std::unique_ptr<CSimProcess> sim;
    std::string port;
    CCommunicationBTS& hub = CCommunicationBTS::Instance();
    CHubDocumentLink link{hub};
    CMemoryRegistry settings;
    CMainFrame frame;
    std::unique_ptr<CBTSConfigurationDoc> doc;
    std::unique_ptr<CDocumentClient> client;
    QStringList questions;
};

// Counts timer ticks that arrive while the window runs a flow: the event loop kept going. The
// first such tick also tries to close the window, which must stay open until the flow ends.
struct TickCounter {
    explicit TickCounter(CBTSUpdateFetchWindow& window) {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (window.Busy()) {
                if (ticksWhileBusy++ == 0) {
                    window.reject();
                    window.reject();
                    stayedOpenWhileBusy = window.isVisible();
                }
            }
        });
        timer.start();
    }
    QTimer timer;
    int ticksWhileBusy = 0;
    bool stayedOpenWhileBusy = false;
};

TEST_F(TransferWindow, SendsTheCandidateAndFetchesItBackToOneHundredPercent) {
    StartBts(Scenario());
    if (HasFatalFailure()) {
        return;
    }
    RunCommand(cmd::kSend, [&](CBTSUpdateFetchWindow& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Send BTS Configuration"));
        EXPECT_FALSE(w.FetchButton()->isVisible());
        EXPECT_TRUE(w.SendButton()->isEnabled());
        EXPECT_EQ(w.StatusLabel()->text(), QStringLiteral("Ready"));
        Shoot(w, QStringLiteral("transfer_send_ready"));
        TickCounter ticks(w);
        w.SendButton()->click();
        EXPECT_GT(ticks.ticksWhileBusy, 0) << "the window stood still while the link waited";
        // Every step is in the list, however short it was on screen.
        QStringList steps;
        for (int i = 0; i < w.Log()->count(); ++i) {
            steps << w.Log()->item(i)->text().mid(10);
        }
        EXPECT_TRUE(steps.contains(QStringLiteral("Sending..."))) << steps.join(u'|').toStdString();
        EXPECT_TRUE(steps.contains(QStringLiteral("Fetching...")));
        EXPECT_EQ(w.StatusLabel()->text(), QStringLiteral("Send successful"));
        EXPECT_EQ(w.Progress()->value(), 4);
        EXPECT_EQ(w.PercentLabel()->text(), QStringLiteral("100%"));
        Shoot(w, QStringLiteral("transfer_send_done"));
        EXPECT_TRUE(w.CloseButton()->isEnabled());
    });

    RunCommand(cmd::kFetch, [&](CBTSUpdateFetchWindow& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Fetch BTS Configuration"));
        EXPECT_FALSE(w.SendButton()->isVisible());
        w.FetchButton()->click();
        EXPECT_EQ(w.StatusLabel()->text(), QStringLiteral("Fetch successful"));
        EXPECT_EQ(w.Progress()->value(), 4);
        EXPECT_EQ(w.PercentLabel()->text(), QStringLiteral("100%"));
        // What came back is what was sent: nothing differs.
        bool same = false;
        for (QLabel* label : w.findChildren<QLabel*>()) {
            same = same || label->text() == QStringLiteral("As in Cabrion");
        }
        EXPECT_TRUE(same);
        EXPECT_GT(w.Log()->count(), 0);
        Shoot(w, QStringLiteral("transfer_fetch_done"));
    });
}

// The link goes down at the fetch's first request: the window says so, keeps its event loop
// going while the attempts run out, lets the user close it, and the candidate is as it was.
TEST_F(TransferWindow, LinkLostDuringAFetchEndsInTheFailureStatus) {
    StartBts(Scenario(), "drop@1");
    if (HasFatalFailure()) {
        return;
    }
    const std::string before = CandidateJson(*doc->SiteKODA(), "candidate").dump();
    const bool changedBefore = doc->ConfigurationChanged();
    RunCommand(cmd::kFetch, [&](CBTSUpdateFetchWindow& w) {
        TickCounter ticks(w);
        w.FetchButton()->click();
        EXPECT_GT(ticks.ticksWhileBusy, 0);
        EXPECT_TRUE(ticks.stayedOpenWhileBusy);
        // Said once, however often Close was tried.
        EXPECT_EQ(w.Log()
                      ->findItems(QStringLiteral("Close waits for the transfer to end."),
                                  Qt::MatchEndsWith)
                      .size(),
                  1);
        EXPECT_EQ(w.StatusLabel()->text(),
                  QStringLiteral("Fetching failed: the BTS did not answer"));
        // Over, not stuck half-way.
        EXPECT_EQ(w.Progress()->value(), 4);
        EXPECT_EQ(w.PercentLabel()->text(), QString());
        EXPECT_TRUE(w.CloseButton()->isEnabled());
        Shoot(w, QStringLiteral("transfer_fetch_failed"));
    });
    EXPECT_TRUE(questions.contains(
        QStringLiteral("Fetching BTS information from BTS failed.\nThe BTS did not answer.")))
        << questions.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(CandidateJson(*doc->SiteKODA(), "candidate").dump(), before);
    EXPECT_EQ(doc->ConfigurationChanged(), changedBefore);
}

// The simulated BTS inside the program answers within the call and hands its reports straight
// to the document: the transfer runs it on the window's thread.
TEST_F(TransferWindow, TheInProcessSimulatorTakesTheSendOnTheWindowsThread) {
    // Records where the simulated BTS is asked: whatever it reports in between goes straight
    // to the document from there.
    struct CWatchedSim : CSIMTransactServer {
        CWatchedSim(const CConnectParams& p, CCommunicationBTS& h, SSimScenario s, bool& off)
            : CSIMTransactServer(p, h, std::move(s)), offThread(off) {}
        int Transact(std::span<const uint8_t> request, frame::Bytes& reply) override {
            offThread =
                offThread || QThread::currentThread() != QCoreApplication::instance()->thread();
            return CSIMTransactServer::Transact(request, reply);
        }
        bool& offThread;
    };
    bool askedOffThread = false;
    hub.SetSimulatorFactory([&](const CConnectParams& params, CCommunicationBTS& h) {
        SSimScenario scenario;
        scenario.bts = SSimBtsModel::Default();
        return std::make_unique<CWatchedSim>(params, h, scenario, askedOffThread);
    });
    Connect(3, std::string());
    if (HasFatalFailure()) {
        return;
    }
    RunCommand(cmd::kSend, [&](CBTSUpdateFetchWindow& w) {
        w.SendButton()->click();
        EXPECT_EQ(w.StatusLabel()->text(), QStringLiteral("Send successful"));
        EXPECT_EQ(w.PercentLabel()->text(), QStringLiteral("100%"));
    });
    EXPECT_FALSE(askedOffThread);
    EXPECT_FALSE(client->offThread);
}

} // namespace
