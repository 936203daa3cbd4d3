#pragma once
// The folder chooser behind the wizard's "Browse...": a folder list with a "Folder:" edit and an
// "Open" button that checks the typed folder, offers to create a missing one, and says why a
// folder cannot be used.

#include <QDialog>

#include <functional>

#include "app/search/DirDialogModel.h"

class QFileSystemModel;
class QLineEdit;
class QListView;
class QLabel;
class QModelIndex;

class CDirDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDirDialog(const QString& startFolder, QWidget* parent = nullptr,
                        CDirDialogModel model = CDirDialogModel());

    // The chosen folder once the dialog was accepted.
    QString Folder() const { return m_folder; }
    QLineEdit* FolderEdit() const { return m_edit; }
    QListView* FolderList() const { return m_list; }

    // How messages and the create question reach the user; tests answer them.
    std::function<void(const QString&)> showMessage;
    std::function<bool(const QString&)> askYesNo;

    // "Open" (or Enter in the edit).
    void Open();

private:
    void Show(const QModelIndex& index);

    CDirDialogModel m_model;
    QFileSystemModel* m_files = nullptr;
    QListView* m_list = nullptr;
    QLabel* m_where = nullptr;
    QLineEdit* m_edit = nullptr;
    QString m_folder;
};
