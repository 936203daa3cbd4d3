#pragma once
// The frame every wizard page shares: the instruction text on top, the page's controls below,
// and the two calls the sheet makes, on entering the page and on leaving it by Next.

#include <QString>
#include <QWizardPage>

#include <utility>

#include <string>
#include <vector>

#include "app/wizard/WizardFlow.h"
#include "paint/WizardPictures.h"
#include "ui/QtText.h"

class CWizardSheetModel;
class QLabel;
class QTreeWidget;
class QVBoxLayout;

class CWizardPageBase : public QWizardPage {
    Q_OBJECT
public:
    // `afterNext` goes on the line "Then click Next to continue." that every instruction ends
    // with.
    CWizardPageBase(CWizardSheetModel& sheet, const char* title, const char* instruction,
                    const char* afterNext = nullptr, QWidget* parent = nullptr);

    // Each time the page becomes the current one, by Next or by Back.
    virtual void Enter() {}
    // Next: the page's checks and commits; false keeps the page.
    virtual bool Leave() { return true; }
    // Back and Cancel: what the page does before it is left that way.
    virtual void LeaveBack() {}
    bool validatePage() override { return Leave(); }
    bool isComplete() const override { return m_nextAllowed; }
    // A list with the given columns and full-row selection.
    static QTreeWidget* MakeList(const QStringList& columns, const QString& accessibleName);
    // Column widths in per cent of the list's width less `less` pixels, kept as the list is
    // resized; the columns in `centred` show their texts centred.
    static void SetColumnShares(QTreeWidget* list, std::vector<int> percents, int less,
                                const std::vector<int>& centred = {});
    // The tall picture on the page's left.
    void SetPicture(paint::EWizardPicture picture);

protected:
    // Back+Next, Back only and the Finish variants, as the page's state asks.
    void SetButtons(wizard::EButtons buttons);
    void SetBackAllowed(bool allowed);
    // Neither Next nor Finish, while the page waits for something outside it.
    void SetNextAllowed(bool allowed);
    QVBoxLayout* Body() const { return m_body; }
    // True on the page's first entry only: what the page shows first is set up once, and
    // coming back by Back keeps the user's choices.
    bool FirstEntry() { return !std::exchange(m_entered, true); }
    CWizardSheetModel& Sheet() const { return m_sheet; }

private:
    CWizardSheetModel& m_sheet;
    QVBoxLayout* m_body = nullptr;
    bool m_nextAllowed = true;
    bool m_entered = false;
};
