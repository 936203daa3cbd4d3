#pragma once
// The Alt+letter mnemonics a window offers at one moment: of its visible buttons, labels,
// group boxes and tab rows. Two controls on one letter share it (Qt only moves the focus
// between them), and a label's mnemonic without a buddy does nothing at all.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

namespace testsupport {

// The letter after a single '&', upper case; 0 without one.
inline QChar MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            return text[i + 1].toUpper();
        }
    }
    return QChar();
}

// One line per letter with two owners and per label whose mnemonic reaches nothing; `where`
// starts each line.
inline std::vector<std::string> MnemonicFaults(QWidget& window, const QString& where) {
    std::vector<std::string> out;
    std::map<QChar, QString> owners;
    const auto claim = [&](const QString& text, const QString& kind) {
        const QChar m = MnemonicOf(text);
        if (m.isNull()) {
            return;
        }
        auto [it, fresh] = owners.emplace(m, kind + QLatin1Char(' ') + text);
        if (!fresh) {
            out.push_back((where + QStringLiteral(": ") + QString(m) + QStringLiteral(" in ") +
                           it->second + QStringLiteral(" and ") + kind + QLatin1Char(' ') + text)
                              .toStdString());
        }
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) {
            continue;
        }
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            claim(b->text(), QStringLiteral("button"));
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            if (!MnemonicOf(l->text()).isNull() && l->buddy() == nullptr &&
                l->textFormat() != Qt::RichText) {
                out.push_back((where + QStringLiteral(": label ") + l->text() +
                               QStringLiteral(" has a mnemonic and no control"))
                                  .toStdString());
            } else if (l->buddy() != nullptr) {
                claim(l->text(), QStringLiteral("label"));
            }
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            claim(g->title(), QStringLiteral("group"));
        } else if (auto* t = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i) {
                if (t->isTabVisible(i)) {
                    claim(t->tabText(i), QStringLiteral("tab"));
                }
            }
        }
    }
    return out;
}

} // namespace testsupport
