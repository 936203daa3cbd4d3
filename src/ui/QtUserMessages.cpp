#include "ui/QtUserMessages.h"

#include <QMessageBox>

void CQtUserMessages::Information(const std::string& text) {
    QMessageBox::information(nullptr, QStringLiteral("Cabrion"), QString::fromStdString(text));
}

void CQtUserMessages::Error(const std::string& text) {
    QMessageBox::critical(nullptr, QStringLiteral("Cabrion"), QString::fromStdString(text));
}
