#include "ui/QtUserMessages.h"

#include <QEvent>
#include <QMessageBox>

#include <cstdio>

void CQtUserMessages::Information(const std::string& text) {
    QMessageBox::information(nullptr, QStringLiteral("Cabrion"), QString::fromStdString(text));
}

void CQtUserMessages::Error(const std::string& text) {
    QMessageBox::critical(nullptr, QStringLiteral("Cabrion"), QString::fromStdString(text));
}

QMessageBox::StandardButton AskQuestion(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::Icon icon, bool cancel) {
    QMessageBox box(icon, title, text,
                    cancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                           : QMessageBox::Yes | QMessageBox::No,
                    parent);
    const QMessageBox::StandardButton safe = cancel ? QMessageBox::Cancel : QMessageBox::No;
    box.setDefaultButton(safe);
    box.setEscapeButton(safe);
    const int answer = box.exec();
    return answer == QMessageBox::Yes || answer == QMessageBox::No
               ? QMessageBox::StandardButton(answer)
               : safe;
}

bool CMessageEcho::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (const auto* box = qobject_cast<QMessageBox*>(watched)) {
            std::fprintf(stderr, "cabrion: message: %s\n",
                         qUtf8Printable(box->text().simplified()));
            std::fflush(stderr);
        }
    }
    return false;
}
