// Every key of the main window has one job: the actions' shortcuts, the menu bar's mnemonics
// (Alt+letter) and the mnemonics inside each menu, with the Orvik menu (BTS connection enabled)
// and with the Selmo one.
#include "app/CommandIds.h"
#include "app/DocumentTestSupport.h"
#include "model/BtsConfiguration.h"
#include "support/FrameDocument.h"
#include "ui/MainFrame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <map>
#include <string>

namespace {

// The letter after a single '&', upper case; 0 without one.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            return text[i + 1].toUpper();
        }
    }
    return QChar();
}

// Keys and mnemonics that do two jobs, one line each.
std::vector<std::string> Clashes(CMainFrame& frame) {
    std::vector<std::string> out;
    std::map<QString, QString> keys; // key text -> owner
    const auto claim = [&](const QKeySequence& key, const QString& owner) {
        if (key.isEmpty()) {
            return;
        }
        const QString k = key.toString(QKeySequence::PortableText);
        auto [it, fresh] = keys.emplace(k, owner);
        if (!fresh && it->second != owner) {
            out.push_back((k + QStringLiteral(": ") + it->second + QStringLiteral(" and ") + owner)
                              .toStdString());
        }
    };
    for (QAction* top : frame.menuBar()->actions()) {
        if (top->isVisible() && !Mnemonic(top->text()).isNull()) {
            claim(QKeySequence(QStringLiteral("Alt+") + Mnemonic(top->text())),
                  QStringLiteral("menu ") + top->text());
        }
    }
    for (QAction* a : frame.findChildren<QAction*>()) {
        if (a->isVisible() && a->menu() == nullptr) {
            for (const QKeySequence& key : a->shortcuts()) {
                claim(key, QStringLiteral("action ") + a->text());
            }
        }
    }
    for (QShortcut* s : frame.findChildren<QShortcut*>()) {
        if (s->isEnabled()) {
            claim(s->key(), QStringLiteral("shortcut ") + s->objectName());
        }
    }
    for (QMenu* menu : frame.menuBar()->findChildren<QMenu*>()) {
        std::map<QChar, QString> letters;
        for (QAction* a : menu->actions()) {
            const QChar m = Mnemonic(a->text());
            if (a->isSeparator() || !a->isVisible() || m.isNull()) {
                continue;
            }
            auto [it, fresh] = letters.emplace(m, a->text());
            if (!fresh) {
                out.push_back((menu->title() + QStringLiteral(": ") + QString(m) +
                               QStringLiteral(" in ") + it->second + QStringLiteral(" and ") +
                               a->text())
                                  .toStdString());
            }
        }
    }
    return out;
}

struct Window {
    ScriptedLink link;
    CMemoryRegistry settings;
    CMainFrame frame;
    std::unique_ptr<CBTSConfigurationDoc> doc;
    explicit Window(const char* sample) {
        CBtsConfiguration::Drop();
        settings.SetInt("Initialization", "EnableBTS", 1);
        doc = testsupport::AttachNewDocument(frame, link, settings);
        doc->OnIdle();
        opened = doc->OpenPath(testsupport::SamplePath(QString::fromLatin1(sample)), true);
        frame.UpdateCommands();
    }
    ~Window() {
        doc.reset();
        CBtsConfiguration::Drop();
    }
    bool opened = false;
};

} // namespace

TEST(ShortcutWalk, EveryKeyOfTheMainWindowHasOneJob) {
    for (const char* sample : {"harbour-4x3.hwc", "selmo-4trx.hwc"}) {
        Window w(sample);
        ASSERT_TRUE(w.opened) << sample;
        const std::vector<std::string> clashes = Clashes(w.frame);
        for (const std::string& c : clashes) {
            ADD_FAILURE() << sample << ": " << c;
        }
    }
    // The tab commands keep their keys and reach the document.
    Window w("harbour-4x3.hwc");
    EXPECT_EQ(w.frame.Action(cmd::kBtsTab)->shortcut(), QKeySequence(QStringLiteral("Alt+B")));
    EXPECT_EQ(w.frame.Action(cmd::kCandidateTab)->shortcut(),
              QKeySequence(QStringLiteral("Alt+C")));
}
