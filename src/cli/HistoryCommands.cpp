#include "cli/HistoryCommands.h"

#include "cli/JsonText.h"
#include "journal/Session.h"

#include <iostream>

namespace flightdeck {

int HistoryCommand(const TInvocation& invocation) {
  for (const THistoryEntry& entry : TGameHistory(invocation.GameDirectory).Entries())
    std::cout << "{\"id\":" << entry.Id << ",\"time\":" << JsonString(entry.Time)
              << ",\"command\":" << JsonString(entry.Command)
              << ",\"subject\":" << JsonString(entry.Subject) << ",\"files\":" << entry.Files.size()
              << ",\"undone\":" << (entry.Undone ? "true" : "false") << "}\n";
  return 0;
}

int UndoCommand(const TInvocation& invocation) {
  int id = 0;
  if (!invocation.Arguments.empty()) {
    const std::string& typed = invocation.Arguments.front();
    if (typed.empty() || typed.size() > 9 ||
        typed.find_first_not_of("0123456789") != std::string::npos) {
      std::cerr << "flightdeck-cli: \"" << typed << "\" is not the number of an entry\n";
      return 2;
    }
    id = std::stoi(typed);
  }
  const TOutcome<THistoryEntry> undone = invocation.Session->Undo(id);
  if (!undone) {
    std::cerr << "flightdeck-cli: " << undone.Error() << "\n";
    return 1;
  }
  return 0;
}

} // namespace flightdeck
