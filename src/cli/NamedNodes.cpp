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

namespace {

// The node at the invocation's `--path`, else the first of the label `label()` gives.
TMissionNode* FoundNode(TMissionTree& tree, const TInvocation& invocation,
                        const std::string& (*label)(const TInvocation&),
                        bool (*fits)(const TMissionNode&)) {
  if (invocation.Has("--path")) {
    TMissionNode* node = tree.FindPath(PathLabels(invocation.Options.at("--path")));
    return node && (!fits || fits(*node)) ? node : nullptr;
  }
  const std::string labelled = Utf8ToWindows1252(label(invocation));
  if (!fits)
    return tree.FindLabel(labelled);
  for (TMissionNode* node : tree.Nodes())
    if (node->Label() == labelled && fits(*node))
      return node;
  return nullptr;
}

const std::string& FirstArgument(const TInvocation& invocation) {
  return invocation.Arguments.at(0);
}

const std::string& UnderOption(const TInvocation& invocation) {
  return invocation.Options.at("--under");
}

} // namespace

TMissionNode* NamedNode(TMissionTree& tree, const TInvocation& invocation,
                        bool (*fits)(const TMissionNode&)) {
  return FoundNode(tree, invocation, FirstArgument, fits);
}

std::string NodeName(const TInvocation& invocation) {
  return invocation.Has("--path") ? invocation.Options.at("--path") : invocation.Arguments.at(0);
}

TMissionNode* UnderNode(TMissionTree& tree, const TInvocation& invocation,
                        bool (*fits)(const TMissionNode&)) {
  return FoundNode(tree, invocation, UnderOption, fits);
}

std::string UnderName(const TInvocation& invocation) {
  return invocation.Has("--path") ? invocation.Options.at("--path") : UnderOption(invocation);
}

const std::string& ArgumentAfterNode(const TInvocation& invocation, std::size_t index) {
  return invocation.Arguments.at(index + (invocation.Has("--path") ? 0 : 1));
}

int NoSuchNode(const std::string& name) {
  return Fail("the list has no entry labelled \"" + name + "\"");
}

} // namespace flightdeck
