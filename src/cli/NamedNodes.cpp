// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/NamedNodes.h"

#include "cli/Complaints.h"
#include "platform/Windows1252.h"

namespace flightdeck {

std::vector<std::string> PathLabels(const std::string& path) {
  std::vector<std::string> labels;
  std::size_t start = 0;
  for (std::size_t slash; (slash = path.find('/', start)) != std::string::npos; start = slash + 1)
    labels.push_back(Utf8ToWindows1252(path.substr(start, slash - start)));
  labels.push_back(Utf8ToWindows1252(path.substr(start)));
  return labels;
}

TMissionNode* NamedNode(TMissionTree& tree, const TInvocation& invocation,
                        bool (*fits)(const TMissionNode&)) {
  if (invocation.Has("--path")) {
    TMissionNode* node = tree.FindPath(PathLabels(invocation.Options.at("--path")));
    return node && (!fits || fits(*node)) ? node : nullptr;
  }
  const std::string label = Utf8ToWindows1252(invocation.Arguments.at(0));
  if (!fits)
    return tree.FindLabel(label);
  for (TMissionNode* node : tree.Nodes())
    if (node->Label() == label && fits(*node))
      return node;
  return nullptr;
}

std::string NodeName(const TInvocation& invocation) {
  return invocation.Has("--path") ? invocation.Options.at("--path") : invocation.Arguments.at(0);
}

const std::string& ArgumentAfterNode(const TInvocation& invocation, std::size_t index) {
  return invocation.Arguments.at(index + (invocation.Has("--path") ? 0 : 1));
}

int NoSuchNode(const std::string& name) {
  return Fail("the list has no entry labelled \"" + name + "\"");
}

} // namespace flightdeck
