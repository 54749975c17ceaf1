// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, close, settings and the game directory.

#include "app/Application.h"
#include "app/ClassicFont.h"
#include "app/CoreText.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"
#include "journal/HistorySettings.h"
#include "lists/MissionTypes.h"
#include "packs/InstallScript.h"
#include "platform/FileSystem.h"
#include "platform/InOutError.h"
#include "platform/ProfileFile.h"
#include "services/GameCopy.h"
#include "services/GameFinder.h"
#include "services/GamePlaces.h"
#include "widgets/FolderBrowseDlg.h"
#include "widgets/PathText.h"

#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTabBar>

#include <algorithm>
#include <stdexcept>

namespace flightdeck {

namespace {

constexpr std::string_view Section = SettingsSection;
constexpr int FormWidth = 370;
constexpr int DefaultHeight = 410;

} // namespace

TixoFlightdeckForm::TixoFlightdeckForm(const TFormEnvironment& environment, QWidget* parent)
    : QMainWindow(parent), FEnvironment(environment) {
  setObjectName(QStringLiteral("ixoFlightdeckForm"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(ClassicFont("Arial"));
  FPanel = new TMissionPanel(*FEnvironment.Prompts, this);
  TListController& list = FPanel->List();
  FHistory = std::make_unique<THistoryCommands>(list, *FEnvironment.Prompts, *this);
  FProblems = std::make_unique<TProblemCommands>(
      list, *FEnvironment.Prompts, *this,
      [this](const TFinding& finding) { FPanel->ShowFinding(finding); });
  FPacks = std::make_unique<TPackCommands>(list, *FEnvironment.Prompts, *this);
  CreateControls();
  // As narrow as it is wide, or as its menus and tabs need in the language and font shown; as
  // low as the tool bar, the tabs and the status bar allow, with the tree shrinking first.
  FWidth = std::max({FormWidth, menuBar()->sizeHint().width(), FPanel->WidthNeeded()});
  setMinimumWidth(FWidth); // it may be widened, for long titles and messages
  TixoApplication::Instance()->RunGuarded([this] { FormCreate(); });
  FPanel->MissionView()->setFocus(); // the keys move through the list at once
}

TixoFlightdeckForm::~TixoFlightdeckForm() {
  // The panel lives on while the window's base classes go: it must not call back into the
  // window from then on.
  FPanel->MissionView()->AcceptFiles = nullptr;
  FPanel->MissionView()->disconnect(this);
  FPanel->disconnect(this);
}

void TixoFlightdeckForm::FormCreate() {
  FIniFileName = ProgramPath(FEnvironment.SettingsFileName);
  const TProfileFile settings(FIniFileName);
  PlaceWindow(settings.ReadInteger(Section, "Left", 0), settings.ReadInteger(Section, "Top", 0),
              settings.ReadInteger(Section, "Height", DefaultHeight));
  FXvTPath = settings.ReadString(Section, "MPath", "");
  FPanel->List().SetHistoryPlace(HistoryPlaceOf(settings));
  SetXvTPathHint();
  FPanel->MissionView()->SetPlaceholder(
      tr("Choose the folder where X-wing vs. TIE Fighter is installed:\n"
         "File > Set XvT Directory"));
  if (!FXvTPath.empty() && IsXvTDirectory(FXvTPath)) {
    FPanel->OpenGame(FXvTPath);
    EnableMissionCommands(true);
    // Values from a damaged settings file fall back to the first tab and side.
    const int side = settings.ReadInteger(Section, "Gender", gnNeutral);
    const int missionType = settings.ReadInteger(Section, "MType", mtBattles);
    FPanel->ShowList(
        missionType >= 0 && missionType < MissionTypeCount ? static_cast<TMissionType>(missionType)
                                                           : mtBattles,
        side >= gnNeutral && side <= gnImperial ? static_cast<TGender>(side) : gnNeutral);
  }
  setWindowTitle(ApplicationTitle);
}

void TixoFlightdeckForm::PlaceWindow(int left, int top, int height) {
  // The window lies wholly on the screen it overlaps most (the primary one when it overlaps
  // none, a monitor that is gone): a stored size or place from elsewhere is clamped to it.
  const int lowest = minimumSizeHint().height();
  const QRect wanted(QPoint(left, top), QSize(FWidth, std::max(height, lowest)));
  QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  long long best = 0;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect overlap = screen->availableGeometry().intersected(wanted);
    const long long size = static_cast<long long>(overlap.width()) * overlap.height();
    if (!overlap.isEmpty() && size > best) {
      best = size;
      area = screen->availableGeometry();
    }
  }
  // Before the window is first shown its frame is not known yet: allow for a usual title bar.
  const QMargins frame = frameGeometry() != geometry()
                             ? QMargins(geometry().left() - frameGeometry().left(),
                                        geometry().top() - frameGeometry().top(),
                                        frameGeometry().right() - geometry().right(),
                                        frameGeometry().bottom() - geometry().bottom())
                             : QMargins(4, 30, 4, 4);
  const int clampedHeight = std::clamp(
      wanted.height(), lowest, std::max(lowest, area.height() - frame.top() - frame.bottom()));
  resize(FWidth, clampedHeight);
  // A window's position is that of its frame.
  const int frameWidth = FWidth + frame.left() + frame.right();
  const int frameHeight = clampedHeight + frame.top() + frame.bottom();
  move(std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - frameWidth)),
       std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - frameHeight)));
}

void TixoFlightdeckForm::closeEvent(QCloseEvent* event) {
  FPanel->List().SettleSaving();
  TixoApplication::Instance()->RunGuarded([this] { FormDestroy(); });
  event->accept();
}

void TixoFlightdeckForm::FormDestroy() {
  FPanel->Release();
  if (!WriteSettings())
    throw std::runtime_error(
        tr("Unable to write to %1").arg(QString::fromStdString(FIniFileName)).toStdString());
}

void TixoFlightdeckForm::KeepSettings() {
  // Not while the window is made from the settings; a failure is told when the window closes.
  if (isVisible())
    (void)WriteSettings();
}

bool TixoFlightdeckForm::WriteSettings() const {
  const TProfileFile settings(FIniFileName);
  const auto write = [&](const char* key, const std::string& value) {
    return settings.WriteString(Section, key, value);
  };
  return write("Top", std::to_string(y())) && write("Left", std::to_string(x())) &&
         write("Height", std::to_string(height())) &&
         // A game folder no settings line can hold is not kept: the one before stays.
         (!TProfileFile::CanHold(FXvTPath) || FXvTPath.empty() || write("MPath", FXvTPath)) &&
         write("MType", std::to_string(FPanel->MissionType())) &&
         write("Gender", std::to_string(FPanel->Side()));
}

void TixoFlightdeckForm::mFileSetXvTDirectoryClick() {
  // The games found come first among the places, then where games usually live.
  std::vector<TFolderBrowseDlg::TPlace> places;
  for (const TFoundGame& game : GamesFound())
    places.push_back(
        {tr("Game found (%1)").arg(QString::fromStdString(game.Source)), PathText(game.Path)});
  for (const TGamePlace& place : GamePlaces(ProgramPath(FEnvironment.HomeFolder),
                                            ProgramPath(qEnvironmentVariable("WINEPREFIX"))))
    places.push_back(
        {CoreText("Place", place.Kind) +
             (place.Name.empty() ? QString() : QLatin1Char(' ') + PathText(place.Name)),
         PathText(place.Folder)});
  BrowseDirDialog->SetPlaces(std::move(places));
  // It opens on the game shown, else on the home folder.
  BrowseDirDialog->SetSelection(FXvTPath.empty() ? FEnvironment.HomeFolder
                                                 : OnDiskFolder(FXvTPath));
  BrowseDirDialog->SetCaption(tr("Browse..."));
  BrowseDirDialog->SetStatusText(tr("Select your \"X-wing vs. TIE Fighter\" directory."));
  if (!FEnvironment.Prompts->ExecuteFolderDialog(*BrowseDirDialog))
    return;
  // Kept as chosen: the lookup finds the game's folders in any case.
  OpenGameDirectory(ProgramPath(BrowseDirDialog->Selection()));
}

void TixoFlightdeckForm::OpenGameDirectory(const std::string& path) {
  if (!IsXvTDirectory(path + (path.empty() || path.back() == '/' ? "" : "/"))) {
    Tell(tr("The specified path for \"X-wing vs. TIE Fighter\" is invalid, please select "
            "another path."));
    return;
  }
  UseXvTDirectory(path);
}

void TixoFlightdeckForm::OpenDemoGame() {
  std::string game = ProgramPath(FEnvironment.DemoGame);
  if (!FEnvironment.DemoGameCopy.isEmpty()) {
    const std::string copy = ProgramPath(FEnvironment.DemoGameCopy);
    if (!IsXvTDirectory(copy + "/")) {
      if (!FEnvironment.Prompts->Ask(
              tr("Demo Game"),
              tr("The demo game lies in \"%1\", where it cannot be changed. Copy it to \"%2\" "
                 "and open the copy?")
                  .arg(QDir::toNativeSeparators(FEnvironment.DemoGame),
                       QDir::toNativeSeparators(FEnvironment.DemoGameCopy))))
        return;
      try {
        CopyGameFolder(game, copy);
      } catch (const EInOutError& error) {
        Tell(tr("The demo game could not be copied: %1")
                 .arg(MessageText(error.Message(), PathText)));
        return;
      }
    }
    game = copy;
  }
  OpenGameDirectory(game);
}

void TixoFlightdeckForm::UseXvTDirectory(const std::string& path) {
  FXvTPath = path;
  if (FXvTPath.back() != '/' && FXvTPath.back() != '\\')
    FXvTPath += '/';
  FPanel->OpenGame(FXvTPath); // the old tree went back to the old directory
  EnableMissionCommands(true);
  FPanel->ShowList(mtBattles, gnNeutral);
  KeepSettings();
  SetXvTPathHint();
  FPanel->MissionView()->setFocus(); // it was disabled until now
}

std::vector<TFoundGame> TixoFlightdeckForm::GamesFound() const {
  return FindGames(ProgramPath(FEnvironment.HomeFolder),
                   ProgramPath(qEnvironmentVariable("WINEPREFIX")));
}

void TixoFlightdeckForm::EnableMissionCommands(bool enable) {
  // Qt would still fire the shortcuts of the items in a disabled menu, so those items are
  // disabled with their menu.
  FPanel->EnableCommands(enable);
  for (QWidget* control : {EditMissionBtn, InstallMissionBtn, InstallPackBtn})
    control->setEnabled(enable);
  for (QAction* item : {mFileEdit, mInstallMission, mInstallPack, mnuAddPack})
    item->setEnabled(enable);
  for (QAction* item : mSearch->actions())
    item->setEnabled(enable);
  for (QMenu* menu : {mInstall, mMissionGender, mSearch})
    menu->setEnabled(enable);
  RefreshUndoActions();
}

void TixoFlightdeckForm::SetXvTPathHint() {
  // Only this button shows a tooltip: the game directory.
  XvTPathBtn->setToolTip(FXvTPath.empty() ? QString() : OnDiskFolder(FXvTPath) + QDir::separator());
  XvTPathBtn->setStatusTip(tr("Set your XvT Directory"));
}

bool TixoFlightdeckForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    FPanel->ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

} // namespace flightdeck
