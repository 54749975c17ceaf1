// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MissionInstallCommands.h"

#include "app/Application.h"
#include "app/CoreText.h"
#include "journal/CommandNames.h"
#include "missions/MissionFile.h"
#include "platform/FileSystem.h"
#include "platform/PathNames.h"
#include "services/MissionInstall.h"
#include "widgets/PathText.h"

namespace flightdeck {

std::optional<TMissionInstallCommands::TAddedMission>
TMissionInstallCommands::Install(const std::string& chosen, TMissionType type,
                                 TMissionNode* parent) {
  if (chosen.empty() || !FileExists(chosen) || !FList.Document())
    return std::nullopt;
  const TMissionReading reading = ReadMissionFile(chosen, TMissionDepth::Sizes);
  if (!reading.IsMission() &&
      !FPrompts.Ask(
          tr("Confirm"),
          tr("\"%1\" is no mission of X-wing vs. TIE Fighter: %2. Install it anyway?")
              .arg(PathText(ExtractFileName(chosen)), MessageText(reading.Reason, PathText))))
    return std::nullopt;
  const TMissionCopy copy = PlanMissionCopy(FList.Game(), type, chosen);
  if (!copy.Refusal.Empty()) {
    FPrompts.Tell(MessageText(copy.Refusal, PathText));
    return std::nullopt;
  }
  bool copied = false;
  if (copy.Question == TCopyQuestion::Replace)
    copied = FPrompts.Ask(tr("Warning"), tr("Another TIE mission with the same file name already "
                                            "exists.  Would you like to replace it?"));
  else if (copy.Question == TCopyQuestion::PlaceCopy)
    copied = FPrompts.Ask(
        tr("Confirm"), tr("The specified TIE mission does not exist in the correct mission "
                          "directory.  Would you like to place a copy in the correct directory?"));
  if (!copied && !FileExists(copy.Target))
    return std::nullopt;

  const auto stageCopy = [copied, copy](TSession& session) {
    if (copied)
      session.Files().StageCopy(copy.Source, copy.Target);
  };
  if (!parent) {
    // The copy goes in alone; say why no entry came with it.
    if (FList.Run(CommandNames::InstallMission, ExtractFileName(chosen), [&](TSession& session) {
          stageCopy(session);
          return true;
        }))
      FPrompts.Tell(tr("The mission file is in place, but no entry was added for it: select the "
                       "%1 to add it to, or one of its missions, and install it again.")
                        .arg(KindName(InstallParentKind(type))));
    return std::nullopt;
  }

  // A mission the Combat lists name already starts from the title they give it.
  TMissionTree* tree = FList.DocumentToEdit();
  if (!tree)
    return std::nullopt; // the list was read again: the parent is gone
  TMissionNode& mission = tree->AddMission(*parent, copy.Name);
  if (const std::optional<std::string> title = CombatTitleOf(FList.Game(), copy.Name))
    (void)tree->Rename(mission, *title);
  const bool combat = type == mtBattles || type == mtCombat;
  // Staged once the label is given: the Combat lists take the title typed.
  return TAddedMission{
      &mission, reading.Mission && reading.Mission->Platform == TMissionPlatform::BalanceOfPower,
      [stageCopy, combat, node = &mission, group = parent->Label()](TSession& session) {
        stageCopy(session);
        if (combat)
          AddMissionToCombatLists(session, node->Record, group);
      }};
}

} // namespace flightdeck
