#include "app/commands/CommandTable.h"

#include "app/commands/HelpTopics.h"

#include <algorithm>

SCommand& CCommandTable::Entry(int id) {
    auto it = std::find_if(m_commands.begin(), m_commands.end(),
                           [id](const SCommand& c) { return c.id == id; });
    if (it != m_commands.end()) {
        return *it;
    }
    SCommand& c = m_commands.emplace_back();
    c.id = id;
    c.helpPage = help::PageForContext(help::CommandContext(id));
    return c;
}

void CCommandTable::LoadTexts(const SMenuModel& menu) {
    for (SCommand& c : m_commands) {
        c.text.clear();
        c.shortcut.clear();
        c.inMenu = false;
    }
    m_menus.clear();
    for (const SSubMenu& sub : menu) {
        SCommandMenu& shown = m_menus.emplace_back();
        shown.title = sub.title;
        for (const SMenuItem& item : sub.items) {
            shown.ids.push_back(item.id);
            if (!item.IsSeparator()) {
                SCommand& c = Entry(item.id);
                SplitMenuText(item.text, c.text, c.shortcut);
                c.inMenu = true;
            }
        }
    }
}

bool CCommandTable::Bind(int id, std::function<bool()> enabled, std::function<bool()> handler,
                         std::function<bool()> checked) {
    if (id == 0) {
        return false;
    }
    SCommand& c = Entry(id);
    c.enabled = std::move(enabled);
    c.handler = std::move(handler);
    c.checked = std::move(checked);
    return true;
}

bool CCommandTable::BindText(int id, std::function<std::string()> rule) {
    if (id == 0) {
        return false;
    }
    Entry(id).textRule = std::move(rule);
    return true;
}

const SCommand* CCommandTable::Find(int id) const {
    auto it = std::find_if(m_commands.begin(), m_commands.end(),
                           [id](const SCommand& c) { return c.id == id; });
    return it == m_commands.end() ? nullptr : &*it;
}

std::string CCommandTable::MenuText(int id) const {
    const SCommand* c = Find(id);
    if (c == nullptr) {
        return {};
    }
    if (c->textRule) {
        if (std::string now = c->textRule(); !now.empty()) {
            return now;
        }
    }
    return c->shortcut.empty() ? c->text : c->text + '\t' + c->shortcut;
}

std::string CCommandTable::Text(int id) const {
    std::string text;
    std::string shortcut;
    SplitMenuText(MenuText(id), text, shortcut);
    return text;
}

bool CCommandTable::IsEnabled(int id) const {
    const SCommand* c = Find(id);
    return c != nullptr && c->enabled && c->enabled();
}

bool CCommandTable::IsChecked(int id) const {
    const SCommand* c = Find(id);
    return c != nullptr && c->checked && c->checked();
}

bool CCommandTable::Run(int id) const {
    const SCommand* c = Find(id);
    return c != nullptr && c->handler && IsEnabled(id) && c->handler();
}
