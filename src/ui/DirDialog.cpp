#include "ui/DirDialog.h"

#include "ui/HelpLauncher.h"
#include "ui/QtUserMessages.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString Cabrion() {
    return QStringLiteral("Cabrion");
}

} // namespace

CDirDialog::CDirDialog(const QString& startFolder, QWidget* parent, CDirDialogModel model)
    : QDialog(parent), m_model(std::move(model)) {
    setProperty(CHelpLauncher::kPageProperty, QStringLiteral("wizard.html"));
    setWindowTitle(tr("Select Folder"));
    showMessage = [this](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, Cabrion(), text, QMessageBox::Ok, this);
        box.exec();
    };
    askYesNo = [this](const QString& text) {
        return AskQuestion(this, Cabrion(), text, QMessageBox::Question) == QMessageBox::Yes;
    };

    m_files = new QFileSystemModel(this);
    m_files->setFilter(QDir::AllDirs | QDir::NoDot | QDir::Drives);
    m_files->setRootPath(QStringLiteral("/"));

    auto* up = new QToolButton(this);
    up->setText(tr("&Up"));
    up->setAccessibleName(tr("Up one level"));
    m_where = new QLabel(this);
    m_where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_list = new QListView(this);
    m_list->setModel(m_files);
    m_list->setAccessibleName(tr("Folders"));

    auto* label = new QLabel(tr("&Folder:"), this);
    m_edit = new QLineEdit(this);
    label->setBuddy(m_edit);
    m_edit->setAccessibleName(tr("Folder"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    open->setDefault(true);

    auto* top = new QGridLayout;
    top->addWidget(up, 0, 0);
    top->addWidget(m_where, 0, 1);
    top->setColumnStretch(1, 1);
    auto* bottom = new QGridLayout;
    bottom->addWidget(label, 0, 0);
    bottom->addWidget(m_edit, 0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);
    layout->addWidget(buttons);
    resize(520, 380);

    connect(up, &QToolButton::clicked, this, [this] {
        const QModelIndex parent = m_list->rootIndex().parent();
        if (parent.isValid()) {
            Show(parent);
        }
    });
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) {
        m_edit->setText(QDir::toNativeSeparators(m_files->filePath(index)));
    });
    connect(m_list, &QListView::activated, this, [this](const QModelIndex& index) {
        const QString path = m_files->filePath(index);
        m_edit->setText(path);
        Show(m_files->index(QDir::cleanPath(path)));
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CDirDialog::Open);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    QString start = startFolder;
    if (start.isEmpty() || !QDir(start).exists()) {
        start = QDir::homePath();
    }
    Show(m_files->index(QDir::cleanPath(start)));
    m_edit->setText(startFolder.isEmpty() ? start : startFolder);
    m_edit->setFocus();
}

void CDirDialog::Show(const QModelIndex& index) {
    m_list->setRootIndex(index);
    m_where->setText(m_files->filePath(index));
}

void CDirDialog::Open() {
    const std::string typed = m_edit->text().trimmed().toStdString();
    CDirDialogModel::SCheck check = m_model.Check(typed);
    if (check.verdict == CDirDialogModel::EVerdict::kAskCreate) {
        if (!askYesNo(QString::fromStdString(check.text))) {
            return;
        }
        check = m_model.Create(typed);
    }
    if (check.verdict == CDirDialogModel::EVerdict::kRefuse) {
        showMessage(QString::fromStdString(check.text));
        return;
    }
    m_folder = QString::fromStdString(check.text);
    accept();
}
