// Every key of the main window has one job: the actions' shortcuts, the menu bar's mnemonics
// (Alt+letter) and the mnemonics inside each menu, with the Orvik menu (BTS connection enabled)
// and with the Selmo one; and so has every mnemonic of each property page and wizard page.
#include "app/DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/views/ViewBase.h"
#include "model/BtsConfiguration.h"
#include "support/FrameDocument.h"
#include "support/Mnemonics.h"
#include "ui/MainFrame.h"
#include "ui/props/ViewPropSheet.h"
#include "wizard/WizardSheet.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTabWidget>
#include <QWizard>

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
        // The keys are the command table's: each command the menu holds answers to its key.
        for (const SCommand& c : w.doc->Commands().Commands()) {
            const QAction* a = w.frame.Action(c.id);
            if (a == nullptr || !c.inMenu || c.shortcut.empty() || c.id == cmd::kHelpTopics) {
                continue;
            }
            EXPECT_TRUE(a->shortcuts().contains(QKeySequence(QString::fromStdString(c.shortcut))))
                << sample << ": " << c.text << " " << c.shortcut;
        }
    }
    // The tab commands keep their keys and reach the document.
    Window w("harbour-4x3.hwc");
    EXPECT_EQ(w.frame.Action(cmd::kBtsTab)->shortcut(), QKeySequence(QStringLiteral("Alt+B")));
    EXPECT_EQ(w.frame.Action(cmd::kCandidateTab)->shortcut(),
              QKeySequence(QStringLiteral("Alt+C")));
}

TEST(ShortcutWalk, EveryMnemonicOfThePropertyPagesAndTheWizardPagesWorksAndHasOneControl) {
    Window w("harbour-4x3.hwc");
    ASSERT_TRUE(w.opened);
    CViewPropSheet::Install(w.frame, *w.doc, w.settings);
    w.frame.show();
    for (const auto& view : w.doc->ViewManager()->Views()) {
        w.doc->OnCommand(view->Command());
        w.frame.UpdateCommands();
        w.frame.Action(cmd::kProperties)->trigger();
        QApplication::processEvents();
        CViewPropSheet* sheet = CViewPropSheet::Of(w.frame);
        ASSERT_NE(sheet, nullptr);
        for (int i = 0; i < sheet->Tabs()->count(); ++i) {
            sheet->Tabs()->setCurrentIndex(i);
            QApplication::processEvents();
            const QString where = QString::fromStdString(view->Name()) + QStringLiteral(" / ") +
                                  sheet->Tabs()->tabText(i);
            for (const std::string& fault : testsupport::MnemonicFaults(*sheet, where)) {
                ADD_FAILURE() << fault;
            }
        }
        sheet->hide();
    }

    CWizardSheet wizard(*w.doc, w.frame, w.settings, false, &w.frame);
    wizard.show();
    QApplication::processEvents();
    for (const int id : wizard.pageIds()) {
        QWizardPage* page = wizard.page(id);
        // Every page with the wizard's own buttons, as if it were the one in front.
        std::vector<std::string> faults =
            testsupport::MnemonicFaults(*page, QStringLiteral("wizard page ") + page->title());
        std::map<QChar, QString> buttons;
        for (const QWizard::WizardButton b :
             {QWizard::BackButton, QWizard::NextButton, QWizard::FinishButton,
              QWizard::CancelButton, QWizard::HelpButton}) {
            if (b == QWizard::HelpButton && !wizard.testOption(QWizard::HaveHelpButton)) {
                continue;
            }
            const QChar m = testsupport::MnemonicOf(wizard.buttonText(b));
            if (!m.isNull()) {
                buttons.emplace(m, wizard.buttonText(b));
            }
        }
        for (QWidget* c : page->findChildren<QWidget*>()) {
            QString text;
            if (auto* b = qobject_cast<QAbstractButton*>(c)) {
                text = b->text();
            } else if (auto* l = qobject_cast<QLabel*>(c); l != nullptr && l->buddy() != nullptr) {
                text = l->text();
            } else if (auto* g = qobject_cast<QGroupBox*>(c)) {
                text = g->title();
            }
            const QChar m = testsupport::MnemonicOf(text);
            if (!m.isNull() && c->isVisibleTo(page) && buttons.count(m) != 0) {
                faults.push_back((page->title() + QStringLiteral(": ") + text +
                                  QStringLiteral(" and the button ") + buttons[m])
                                     .toStdString());
            }
        }
        for (const std::string& fault : faults) {
            ADD_FAILURE() << fault;
        }
    }
    wizard.hide();
}
