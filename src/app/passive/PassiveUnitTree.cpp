#include "app/passive/PassiveUnitTree.h"

#include "files/HWInfoFile.h"

std::vector<SPassiveTreeNode> BuildPassiveTree(const CHWInfoFile& table) {
    std::vector<SPassiveTreeNode> tree;
    for (int top = 0; top < CHWInfoFile::kTopGroupCount; ++top) {
        SPassiveTreeNode topNode;
        topNode.selection = {top, 0, -1};
        topNode.label = CHWInfoFile::TopGroupName(top);
        for (int group : CHWInfoFile::Groups()) {
            if (CHWInfoFile::TopGroupOf(group) != top || !table.AcceptsGroup(group)) {
                continue;
            }
            SPassiveTreeNode groupNode;
            groupNode.selection = {top, group, -1};
            groupNode.label = CHWInfoFile::LongName(group);
            for (int slot = 0; slot < CHWInfoFile::GroupCapacity(group); ++slot) {
                SPassiveTreeNode entry;
                entry.selection = {top, group, slot};
                entry.label = CHWInfoFile::EntryName(group, slot);
                entry.filled = table.GetSlot(group, slot, entry.serialNumber, entry.productId);
                groupNode.children.push_back(std::move(entry));
            }
            topNode.children.push_back(std::move(groupNode));
        }
        tree.push_back(std::move(topNode));
    }
    return tree;
}

const SPassiveTreeNode* FindPassiveNode(const std::vector<SPassiveTreeNode>& tree,
                                        const SPassiveSelection& selection) {
    for (const auto& node : tree) {
        if (node.selection == selection) {
            return &node;
        }
        if (const auto* found = FindPassiveNode(node.children, selection)) {
            return found;
        }
    }
    return nullptr;
}
