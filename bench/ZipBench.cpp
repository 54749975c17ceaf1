// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and extracting a pack of 200 missions of 100 KiB, against Info-ZIP's zip and unzip
// on the same files. Run with TMPDIR=/dev/shm to leave the disk out of it.

#include "zip/ZipArchiver.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace flightdeck;

namespace {

constexpr int MissionCount = 200;
constexpr std::size_t MissionSize = 100 * 1024;

// Mission-like files: repetitive records with some noise, so they compress as real ones do.
const fs::path& Missions() {
  static const fs::path root = [] {
    const fs::path folder =
        fs::temp_directory_path() / ("flightdeck-zip-bench-" + std::to_string(getpid()));
    fs::create_directories(folder / "missions");
    std::mt19937 random(42);
    for (int i = 0; i < MissionCount; ++i) {
      std::string bytes;
      while (bytes.size() < MissionSize)
        bytes += "FlightGroup " + std::to_string(random() % 1000) + " Waypoint " +
                 std::to_string(random() % 50000) + ";";
      bytes.resize(MissionSize);
      std::ofstream(folder / "missions" / ("m" + std::to_string(i) + ".tie"), std::ios::binary)
          << bytes;
    }
    return folder;
  }();
  return root;
}

void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0)
    throw std::runtime_error("failed: " + command);
}

void OurZipAndUnzip(benchmark::State& state) {
  const fs::path root = Missions();
  for (auto _ : state) {
    fs::remove(root / "ours.ixo");
    fs::remove_all(root / "ours");
    TZipArchiver archiver;
    archiver.UsePaths = false;
    archiver.ZipFileName = (root / "ours.ixo").string();
    for (int i = 0; i < MissionCount; ++i)
      archiver.FilesToProcess.push_back(
          (root / "missions" / ("m" + std::to_string(i) + ".tie")).string());
    if (archiver.AddFiles(0) != 0)
      state.SkipWithError(archiver.LastError().c_str());
    archiver.ExtractDirectory = (root / "ours").string();
    if (archiver.ExtractFiles(0) != 0)
      state.SkipWithError(archiver.LastError().c_str());
  }
}

void InfoZipAndUnzip(benchmark::State& state) {
  const fs::path root = Missions();
  const std::string folder = root.string();
  for (auto _ : state) {
    fs::remove(root / "theirs.zip");
    fs::remove_all(root / "theirs");
    Run("cd '" + folder + "/missions' && zip -q -6 -j '" + folder + "/theirs.zip' m*.tie");
    Run("unzip -q -j -o '" + folder + "/theirs.zip' -d '" + folder + "/theirs'");
  }
}

} // namespace

BENCHMARK(OurZipAndUnzip)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(InfoZipAndUnzip)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(Missions());
  return 0;
}
