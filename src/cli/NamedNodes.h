// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Invocation.h"
#include "lists/MissionTree.h"

#include <string>
#include <vector>

namespace flightdeck {

// How a command names a node of a list's tree: by `--path A/B/C`, its labels from the top,
// else by its first argument, a label (the first node of that label).

// The labels of a `--path`, as the lists spell them.
std::vector<std::string> PathLabels(const std::string& path);
// The node named, when it `fits` (any node without it); null for none.
TMissionNode* NamedNode(TMissionTree& tree, const TInvocation& invocation,
                        bool (*fits)(const TMissionNode&) = nullptr);
// The name the command gave it, for a message.
std::string NodeName(const TInvocation& invocation);
// The same of the node a command adds under: named by `--path`, else by `--under LABEL`.
TMissionNode* UnderNode(TMissionTree& tree, const TInvocation& invocation,
                        bool (*fits)(const TMissionNode&) = nullptr);
std::string UnderName(const TInvocation& invocation);
// The arguments after the node's name.
const std::string& ArgumentAfterNode(const TInvocation& invocation, std::size_t index);
// Tells that no node has the name `name`; the exit code.
int NoSuchNode(const std::string& name);

} // namespace flightdeck
