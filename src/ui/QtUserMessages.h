#pragma once
// Messages to the user as modal boxes titled "Cabrion".

#include "app/startup/StartupSeams.h"

#include <QMessageBox>

class CQtUserMessages : public IUserMessages {
public:
    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
};

// A Yes/No question, or Yes/No/Cancel with `cancel`, whose default button is the answer that
// does nothing: a question that sends to a BTS, overwrites or discards must not be answered by
// an Enter meant for the window behind it. Gives the button pressed.
QMessageBox::StandardButton AskQuestion(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::Icon icon, bool cancel = false);

// Echoes the text of every message box the program shows on standard error as it appears, so
// that a session started from a terminal or a journal keeps what the engineer was told.
class CMessageEcho : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
