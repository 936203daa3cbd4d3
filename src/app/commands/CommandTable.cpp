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
    for (const SSubMenu& sub : menu) {
        for (const SMenuItem& item : sub.items) {
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

const SCommand* CCommandTable::Find(int id) const {
    auto it = std::find_if(m_commands.begin(), m_commands.end(),
                           [id](const SCommand& c) { return c.id == id; });
    return it == m_commands.end() ? nullptr : &*it;
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
