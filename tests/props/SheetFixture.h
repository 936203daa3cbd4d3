#pragma once
// The main window with the sample open and the property sheet installed, for the sheet's
// widget tests: views are switched as the View menu does, answers to questions are given by
// pressing the message box's buttons, and candidates compared through the dump JSON.

#include "app/DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/document/CandidateJson.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewPageBase.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "support/FrameDocument.h"
#include "support/Screenshot.h"
#include "ui/MainFrame.h"
#include "ui/props/ViewPropSheet.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

struct SheetFixture {
    ScriptedLink link;
    CMemoryRegistry settings;
    CMainFrame frame;
    std::unique_ptr<CBTSConfigurationDoc> doc;
    bool opened = false;

    explicit SheetFixture(const QString& sample = QStringLiteral("harbour-4x3.hwc")) {
        CBtsConfiguration::Drop();
        settings.SetInt("Initialization", "EnableBTS", 0);
        doc = testsupport::AttachNewDocument(frame, link, settings);
        CViewPropSheet::Install(frame, *doc, settings);
        frame.resize(1100, 700);
        frame.show();
        if (sample.isEmpty()) {
            return;
        }
        const std::string path = testsupport::SamplePath(sample);
        opened = doc->OpenPath(path, true);
        QApplication::processEvents();
    }
    ~SheetFixture() {
        doc.reset();
        CBtsConfiguration::Drop();
    }

    CViewBaseKODA& Views() { return *doc->ViewManager(); }
    void ShowView(int type) {
        const CViewPageBase* view = Views().FindView(type);
        ASSERT_NE(view, nullptr) << "no view of type " << type;
        doc->OnCommand(view->Command());
        frame.UpdateCommands();
        QApplication::processEvents();
    }
    // Opens the sheet as Alt+Enter does.
    CViewPropSheet& Open() {
        frame.UpdateCommands();
        QAction* properties = frame.Action(cmd::kProperties);
        EXPECT_TRUE(properties != nullptr && properties->isEnabled());
        properties->trigger();
        QApplication::processEvents();
        CViewPropSheet* sheet = CViewPropSheet::Of(frame);
        EXPECT_NE(sheet, nullptr);
        return *sheet;
    }
    template <class Page> Page& Current() {
        auto* page = qobject_cast<Page*>(CViewPropSheet::Of(frame)->CurrentPage());
        EXPECT_NE(page, nullptr);
        return *page;
    }
    std::string Json() { return CandidateJson(*doc->SiteKODA(), "sheet").dump(); }
    std::string UndoText() { return doc->CommandText(cmd::kUndo); }
    // The views select a unit while the user works in the main window.
    void SelectInViews(int kind, int number) {
        frame.activateWindow();
        QApplication::setActiveWindow(&frame);
        Views().SelectUnit(doc->SiteKODA()->GetKODA(kSelectCandidate)->FindUnit(kind, number));
        QApplication::processEvents();
    }
};

// Chooses an entry as the user does: the box reports it as activated.
inline bool Choose(QComboBox* box, int data) {
    const int index = box->findData(data);
    if (index < 0) {
        return false;
    }
    box->setCurrentIndex(index);
    emit box->activated(index);
    return true;
}

// Answers the next message box by pressing its button; tells its text, icon and the button that
// Enter would press.
inline void AnswerNextQuestion(QMessageBox::StandardButton answer, QString* text = nullptr,
                               QMessageBox::Icon* icon = nullptr,
                               QMessageBox::StandardButton* byDefault = nullptr) {
    QTimer::singleShot(0, [answer, text, icon, byDefault] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no question was asked";
            return;
        }
        if (text != nullptr) {
            *text = box->text();
        }
        if (icon != nullptr) {
            *icon = box->icon();
        }
        if (byDefault != nullptr) {
            *byDefault = box->standardButton(box->defaultButton());
        }
        box->button(answer)->click();
    });
}

inline void Shoot(QWidget& w, const QString& name) {
    testsupport::Shoot(w, QStringLiteral("property-sheet"), name);
}
