#pragma once
// The keys a window offers at one moment: the Alt+letter mnemonics of its visible buttons,
// labels, group boxes and tab rows, and the keys of its own actions and shortcuts. Two owners
// of one key share it (Qt only moves the focus between them), and a label's mnemonic without a
// buddy does nothing at all.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
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

// One line per key with two owners and per label whose mnemonic reaches nothing; `where`
// starts each line.
inline std::vector<std::string> MnemonicFaults(QWidget& window, const QString& where) {
    std::vector<std::string> out;
    std::map<QString, QString> owners; // "Alt+X" or the key's portable text -> owner
    const auto claimKey = [&](const QString& key, const QString& owner) {
        auto [it, fresh] = owners.emplace(key, owner);
        if (!fresh && it->second != owner) {
            out.push_back((where + QStringLiteral(": ") + key + QStringLiteral(" in ") +
                           it->second + QStringLiteral(" and ") + owner)
                              .toStdString());
        }
    };
    const auto claim = [&](const QString& text, const QString& kind) {
        const QChar m = MnemonicOf(text);
        if (!m.isNull()) {
            claimKey(QStringLiteral("Alt+") + m, kind + QLatin1Char(' ') + text);
        }
    };
    for (QAction* a : window.findChildren<QAction*>()) {
        for (const QKeySequence& key : a->shortcuts()) {
            claimKey(key.toString(QKeySequence::PortableText),
                     QStringLiteral("action ") + a->text());
        }
    }
    for (QShortcut* s : window.findChildren<QShortcut*>()) {
        if (s->isEnabled() && !s->key().isEmpty()) {
            claimKey(s->key().toString(QKeySequence::PortableText),
                     QStringLiteral("shortcut ") + s->objectName());
        }
    }
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
