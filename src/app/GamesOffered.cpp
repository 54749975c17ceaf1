// SPDX-License-Identifier: GPL-3.0-or-later
// The games found on this machine, offered at the first start: looked for away from the
// window's thread, which paints and answers meanwhile.

#include "app/Application.h"
#include "app/CoreText.h"
#include "app/TixoFlightdeckForm.h"
#include "services/GameFinder.h"
#include "widgets/PathText.h"

#include <QPointer>
#include <QThreadPool>

#include <utility>

namespace flightdeck {

void TixoFlightdeckForm::OfferGamesFound(std::function<void()> then) {
  if (then)
    FAfterGameSearch.push_back(std::move(then));
  if (FSearchingForGames)
    return;                        // carried out, in order, once the games are offered
  if (FPanel->CommandsEnabled()) { // a game is shown already
    RunAfterGameSearch();
    return;
  }
  FSearchingForGames = true;
  const QString placeholder = FPanel->MissionView()->Placeholder();
  FPanel->MissionView()->SetPlaceholder(tr("Searching for games\u2026"));
  // The pool waits for its tasks before the application goes; a window gone by then is told
  // nothing.
  QThreadPool::globalInstance()->start([form = QPointer<TixoFlightdeckForm>(this), placeholder,
                                        home = ProgramPath(FEnvironment.HomeFolder),
                                        prefix = ProgramPath(qEnvironmentVariable("WINEPREFIX"))] {
    std::vector<TFoundGame> games = FindGames(home, prefix);
    QMetaObject::invokeMethod(
        TixoApplication::Instance(),
        [form, placeholder, games = std::move(games)] {
          if (!form)
            return;
          form->FSearchingForGames = false;
          form->FPanel->MissionView()->SetPlaceholder(placeholder);
          TixoApplication::Instance()->RunGuarded([&] { form->OfferGames(games); });
          form->RunAfterGameSearch();
        },
        Qt::QueuedConnection);
  });
}

void TixoFlightdeckForm::RunAfterGameSearch() {
  const std::vector<std::function<void()>> waiting = std::exchange(FAfterGameSearch, {});
  for (const std::function<void()>& then : waiting)
    TixoApplication::Instance()->RunGuarded(then);
}

void TixoFlightdeckForm::OfferGames(const std::vector<TFoundGame>& games) {
  if (FPanel->CommandsEnabled())
    return;
  if (games.empty()) {
    FPanel->MissionView()->SetPlaceholder(
        FPanel->MissionView()->Placeholder() + QStringLiteral("\n\n") +
        tr("No game was found in %1.").arg(CoreText("Place", GamePlacesSearched())));
    return;
  }
  QStringList choices;
  for (const TFoundGame& game : games)
    choices << PathText(game.Path) + QStringLiteral("  (") + QString::fromStdString(game.Source) +
                   QLatin1Char(')');
  const int chosen = FEnvironment.Prompts->ChooseGame(choices);
  if (chosen >= 0 && chosen < static_cast<int>(games.size()))
    UseXvTDirectory(games[static_cast<std::size_t>(chosen)].Path);
  else if (chosen == static_cast<int>(games.size()))
    mFileSetXvTDirectoryClick();
}

} // namespace flightdeck
