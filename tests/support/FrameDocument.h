#pragma once
// The main window with a document attached, put together as the program does it, for the
// window tests; the link and the settings are the test's own.

#include <QDir>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>

#include "app/document/BTSConfigurationDoc.h"
#include "platform/Registry.h"
#include "ui/MainFrame.h"

namespace testsupport {

inline std::unique_ptr<CBTSConfigurationDoc>
AttachNewDocument(CMainFrame& frame, IDocumentLink& link, CRegistry& settings) {
    CBTSConfigurationDoc::SServices s;
    s.windows = &frame;
    s.link = &link;
    s.settings = &settings;
    s.documentsFolder = QDir::tempPath().toStdString();
    auto doc = std::make_unique<CBTSConfigurationDoc>(s);
    frame.SetSettings(&settings);
    frame.AttachDocument(doc.get());
    return doc;
}

// A sample configuration of docs/samples.
inline std::string SamplePath(const QString& name) {
    return QDir(QString::fromUtf8(CABRION_TEST_DATA_DIR) + QStringLiteral("/../../docs/samples"))
        .filePath(name)
        .toStdString();
}

// The title as the window manager shows it: the changed mark "[*]" becomes "*" or goes.
inline QString ShownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    title.replace(QStringLiteral("[*]"),
                  window.isWindowModified() ? QStringLiteral("*") : QString());
    return title;
}

} // namespace testsupport
