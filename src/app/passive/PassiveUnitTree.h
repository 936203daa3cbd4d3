#pragma once
// The nodes of the passive units tree as the table lists them: top groups, the groups the
// table keeps under each, and every slot of a group, filled or not, so that a unit can be put
// into a chosen place (for masthead amplifiers the place is the antenna).

#include "app/passive/PagePassive.h"

#include <string>
#include <vector>

class CHWInfoFile;

struct SPassiveTreeNode {
    SPassiveSelection selection;
    std::string label;
    std::string serialNumber; // entries only, empty for an empty slot
    std::string productId;
    bool filled = false;
    std::vector<SPassiveTreeNode> children;
};

std::vector<SPassiveTreeNode> BuildPassiveTree(const CHWInfoFile& table);

// The node for a selection, or null when the tree has none.
const SPassiveTreeNode* FindPassiveNode(const std::vector<SPassiveTreeNode>& tree,
                                        const SPassiveSelection& selection);
