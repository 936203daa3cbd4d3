#pragma once
// The passive units tree of the Passive Units view: the three top groups, their unit groups and
// every place of a group, with the serial number and product identifier of the filled ones.
// Filled again from the table whenever the document changes; the selection survives a refill.

#include "app/passive/PagePassive.h"

#include <QTreeWidget>

#include <optional>

class CHWInfoFile;

class CBTSConfigurationTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit CBTSConfigurationTreeView(QWidget* parent = nullptr);

    // Lays the table out; null empties the tree (no configuration).
    void Fill(const CHWInfoFile* table);
    // Selects the node and scrolls it into view; false when the tree has no such node.
    bool Select(const SPassiveSelection& selection);
    std::optional<SPassiveSelection> Selected() const;
    QTreeWidgetItem* ItemOf(const SPassiveSelection& selection) const;

signals:
    // The user chose another node.
    void SelectionMade(const SPassiveSelection& selection);
    void ContextMenuRequested(const QPoint& globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool m_filling = false;
};
