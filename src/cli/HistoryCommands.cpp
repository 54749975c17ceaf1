// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HistoryCommands.h"

#include "cli/Complaints.h"
#include "cli/JsonText.h"
#include "journal/Session.h"

#include <iostream>

namespace flightdeck {

namespace {

void PrintEntry(const THistoryEntry& entry, const char* state) {
  std::cout << "{\"id\":" << entry.Id << ",\"time\":" << JsonString(entry.Time)
            << ",\"command\":" << JsonString(entry.Command)
            << ",\"subject\":" << JsonString(entry.Subject) << ",\"files\":" << entry.Files.size()
            << state << "}\n";
}

// An undo or a redo as it was staged: committed, or told why it cannot be.
int Committed(TSession& session, const TOutcome<THistoryEntry>& staged) {
  for (const TMessage& note : staged.Notes)
    Tell(note.Text());
  if (!staged)
    return Fail(staged.Error());
  session.Commit();
  return 0;
}

} // namespace

int HistoryCommand(const TInvocation& invocation) {
  const TGameHistory history(invocation.GameDirectory);
  for (const THistoryEntry& entry : history.Entries())
    PrintEntry(entry, entry.Undone ? ",\"undone\":true" : ",\"undone\":false");
  for (const THistoryEntry& entry : history.Interrupted())
    PrintEntry(entry, ",\"undone\":false,\"pending\":true");
  return 0;
}

int UndoCommand(const TInvocation& invocation) {
  int id = 0;
  if (!invocation.Arguments.empty()) {
    const std::optional<int> typed = TypedEntryId(invocation.Arguments.front());
    if (!typed)
      return Fail("\"" + invocation.Arguments.front() + "\" is not the number of an entry", 2);
    id = *typed;
  }
  return Committed(*invocation.Session, invocation.Session->Undo(id));
}

std::optional<int> TypedEntryId(const std::string& typed) {
  if (typed.empty() || typed.size() > 9 ||
      typed.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoi(typed);
}

int RedoCommand(const TInvocation& invocation) {
  return Committed(*invocation.Session, invocation.Session->Redo());
}

} // namespace flightdeck
