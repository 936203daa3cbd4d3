#pragma once
// The missing-information list of the transfer dialog, and the cabinet sheet that is not
// finished yet.

#include "app/document/MissingInfoModel.h"

#include <QDialog>

class QTreeWidget;

class CSendMissingInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSendMissingInfoDlg(const std::array<SMissingSection, 4>& sections,
                                 QWidget* parent = nullptr);
};

// Lists "Under construction" and offers nothing else yet; its controls are shown disabled so
// that nobody expects them to work.
class CAddCabinetSheet : public QDialog {
    Q_OBJECT
public:
    explicit CAddCabinetSheet(QWidget* parent = nullptr);
    QTreeWidget* List() const { return m_list; }

private:
    QTreeWidget* m_list = nullptr;
};
