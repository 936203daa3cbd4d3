// The main frame's dialog glue: the document's questions, file choices and sheets, shown as
// the desktop's dialogs over the window.
#include "ui/MainFrame.h"
#include "ui/QtText.h"

#include "app/document/BTSConfigurationDoc.h"
#include "ui/BTSUpdateFetchWindow.h"
#include "ui/BtsMessageDlg.h"
#include "ui/QtUserMessages.h"
#include "ui/SiteSheets.h"
#include "ui/SmallDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// "Description (*.ext)|*.ext|...|" as Qt name filters.
QString NameFilters(const std::string& filter) {
    const QStringList parts = Q(filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        out << parts[i];
    }
    return out.join(QStringLiteral(";;"));
}

} // namespace

void CMainFrame::Message(const std::string& text) {
    QMessageBox::warning(this, QApplication::applicationName(), Q(text));
}

bool CMainFrame::AskYesNo(const std::string& text, bool question) {
    return AskQuestion(this, QApplication::applicationName(), Q(text),
                       question ? QMessageBox::Question : QMessageBox::Warning) == QMessageBox::Yes;
}

EAnswer CMainFrame::AskYesNoCancel(const std::string& text) {
    switch (
        AskQuestion(this, QApplication::applicationName(), Q(text), QMessageBox::Warning, true)) {
    case QMessageBox::Yes:
        return EAnswer::Yes;
    case QMessageBox::No:
        return EAnswer::No;
    default:
        return EAnswer::Cancel;
    }
}

std::optional<std::string> CMainFrame::ChooseFile(const SFileDialog& d) {
    const QString start =
        d.fileName.empty() ? Q(d.directory) : Q(d.directory) + QLatin1Char('/') + Q(d.fileName);
    const QString path =
        d.mustExist
            ? QFileDialog::getOpenFileName(this, Q(d.title), start, NameFilters(d.filter))
            : QFileDialog::getSaveFileName(
                  this, Q(d.title), start, NameFilters(d.filter), nullptr,
                  d.confirmOverwrite ? QFileDialog::Options()
                                     : QFileDialog::Options(QFileDialog::DontConfirmOverwrite));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

std::optional<std::size_t> CMainFrame::ChoosePlanSite(const std::vector<std::string>& names) {
    QStringList items;
    for (const std::string& n : names) {
        items << Q(n);
    }
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(this, tr("Select Site"), tr("&Site:"), items, 0, false, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(items.indexOf(chosen));
}

bool CMainFrame::RunNewSiteSheet(CNewSiteSheetModel& sheet) {
    CNewSiteSheet dialog(sheet, this);
    return dialog.exec() == QDialog::Accepted;
}

bool CMainFrame::RunSaveSheet(CSaveSCFSheetModel& sheet) {
    CSaveSCFSheet dialog(sheet, this);
    return dialog.exec() == QDialog::Accepted;
}

void CMainFrame::ShowBtsMessage(const std::string& message, const std::string& details) {
    CBtsMessageDlg dialog(Q(message), Q(details), !details.empty(), this);
    dialog.exec();
}

void CMainFrame::RunAddCabinetSheet() {
    CAddCabinetSheet sheet(this);
    sheet.exec();
}

void CMainFrame::OpenProperties() {
    if (propertySheet) {
        propertySheet();
    }
}

void CMainFrame::SetWaitCursor(bool on) {
    if (on) {
        if (m_waitDepth++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    } else if (m_waitDepth > 0 && --m_waitDepth == 0) {
        QApplication::restoreOverrideCursor();
    }
}

bool CMainFrame::RunTransferDialog(int mode) {
    if (m_doc == nullptr) {
        return false;
    }
    CBTSUpdateFetchWindow window(*m_doc, mode, this);
    const bool ran = window.Run();
    UpdateCommands();
    return ran;
}
