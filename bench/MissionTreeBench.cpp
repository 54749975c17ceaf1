// SPDX-License-Identifier: GPL-3.0-or-later
// Switching tabs must feel instant: building the window's tree from a list and writing it
// back grows linearly with the number of entries.

#include "app/Application.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"
#include "lists/XvTListFile.h"
#include "support/ListSaving.h"

#include <QTreeWidget>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace flightdeck;

namespace {

class TSilentPrompts : public TPrompts {
public:
  TMessageResult Message(const QString&, const QString&, TMessageButtons, TMessageIcon) override {
    return TMessageResult::Ok;
  }
  bool ExecuteFolderDialog(TFolderBrowseDlg&) override { return false; }
  QString OpenFile(const TOpenDialogRequest&) override { return {}; }
  QString AskFindText(const QString&) override { return {}; }
  int ChooseGame(const QStringList&) override { return -1; }
  int ChooseHistoryEntry(const QStringList&) override { return -1; }
  bool ConfirmPackPlan(const QString&, const QStringList&) override { return true; }
  TProblemChoice ChooseProblem(const std::vector<TProblemLine>&) override { return {}; }
  bool EditPackList(std::vector<TPackageItem>&) override { return false; }
  void ShowAbout() override {}
};

// A Combat list of `entries` Engagements, a Campaign every 20, and the settings naming it.
fs::path MakeGame(const fs::path& root, int entries) {
  for (std::string_view folder : {"battle", "combat", "melee", "tourn", "train"})
    fs::create_directories(root / folder);
  const std::string game = root.string() + "/";
  TXvTListFile list(game, mtCombat, gnNeutral);
  for (int i = 0; i < entries; ++i) {
    if (i % 20 == 0)
      list.Items().push_back(std::make_unique<TListFileItem>(
          TListFileItem{likCampaign, 0, "", "Campaign " + std::to_string(i / 20), {}}));
    list.Items().push_back(std::make_unique<TListFileItem>(TListFileItem{
        likEngagement, i, "m" + std::to_string(i) + ".tie", "Mission " + std::to_string(i), {}}));
  }
  test::Saved(list);
  std::ofstream(root / "flightdeck.ini") << "[IxoKit]\r\nMPath=" << game << "\r\nMType=1\r\n";
  return root / "flightdeck.ini";
}

void BuildTree(benchmark::State& state) {
  const fs::path root =
      fs::temp_directory_path() / ("flightdeck-tree-bench-" + std::to_string(getpid()));
  const fs::path settings = MakeGame(root, static_cast<int>(state.range(0)));
  TSilentPrompts prompts;
  {
    TixoFlightdeckForm form({QString::fromStdString(settings.string()), &prompts});
    for (auto _ : state)
      form.BuildMissionTreeView();
    state.counters["groups"] = form.MissionView()->topLevelItemCount();
  }
  fs::remove_all(root);
  state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BuildTree)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TixoApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
