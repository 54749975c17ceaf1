// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/XvTListFile.h"
#include "support/ListRecords.h"
#include "support/ListSaving.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace flightdeck {
namespace {

namespace fs = std::filesystem;

// Builds random lists of every type, within what the formats can hold: no CR or Ctrl-Z in a
// line, no "]" in a header title, and one battle file name per battle.
class TListGenerator {
public:
  explicit TListGenerator(unsigned seed) : FRandom(seed) {}

  std::vector<TListFileItem> Generate(TMissionType type) {
    std::vector<TListFileItem> records;
    const int count = Pick(0, 40);
    for (int i = 0; i < count; ++i) {
      if (Pick(0, 3) == 0) {
        records.push_back(test::Header(GroupHeaderKind(type), Text(true)));
        continue;
      }
      const TListItemKind entry = EntryKind(type);
      const int number = Pick(0, 5) == 0 ? Pick(-100000, 100000) : Pick(0, 50);
      if (!HasBattleFile(entry)) {
        records.push_back(test::Record(entry, number, Text(false), Text(false)));
        continue;
      }
      records.push_back(test::Record(entry, number, "b" + std::to_string(i) + ".lst", Text(false),
                                     Text(false), Text(false)));
      const int missions = Pick(0, 4);
      for (int k = 0; k < missions; ++k)
        records.push_back(test::Record(static_cast<TListItemKind>(entry + 1), 0, Text(false),
                                       entry == likTournament ? Text(false) : ""));
    }
    return records;
  }

private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(FRandom); }

  std::string Text(bool headerTitle) {
    static const std::string alphabet = std::string("abcXYZ 09.:\\/[]$-//\t\n\x01\xe9\xff\x80", 24);
    std::string text;
    const int length = Pick(0, 12);
    while (static_cast<int>(text.size()) < length) {
      const char c =
          alphabet[static_cast<std::size_t>(Pick(0, static_cast<int>(alphabet.size()) - 1))];
      if (!(headerTitle && c == ']'))
        text += c;
    }
    return text;
  }

  std::mt19937 FRandom;
};

std::map<std::string, std::string> FilesBelow(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), root).string()] = test::ReadBytes(entry.path());
  return files;
}

TEST(ListFileRoundTrip, ReadingThenWritingWhatTheWriterWroteGivesTheSameBytes) {
  TListGenerator generator(20261207);
  for (int round = 0; round < 60; ++round) {
    const auto type = static_cast<TMissionType>(round % MissionTypeCount);
    const auto side = static_cast<TGender>(gnNeutral + round % 3);
    const std::vector<TListFileItem> records = generator.Generate(type);

    test::TTempDir first, second;
    const std::string firstGame = test::MakeGameDirectory(first.Path());
    const std::string secondGame = test::MakeGameDirectory(second.Path());
    TXvTListFile written(firstGame, type, side);
    test::Append(written, records);
    test::SavedToFile(written, written.ItemRefs());

    // Written back straight from the bytes read, whole or in pieces as short as a few bytes,
    // over what the writer wrote.
    TXvTListFile resaved(firstGame, type, side);
    test::Resaved(resaved, static_cast<std::size_t>(1 + round % 23));
    TXvTListFile read(firstGame, type, side);
    read.LoadFromFile();
    test::Saved(read);
    TXvTListFile rewritten(secondGame, type, side);
    test::SavedToFile(rewritten, read.ItemRefs());
    ASSERT_EQ(FilesBelow(first.Path()), FilesBelow(second.Path())) << "round " << round;

    // Records come back as they were, but that an empty description is stored as " " and
    // the titles of a battle's missions live elsewhere.
    std::vector<TListFileItem> expected = records;
    for (TListFileItem& item : expected) {
      if (item.Kind == likOperation)
        item.Title.clear();
      for (std::string& line : item.Description)
        if (HasBattleFile(item.Kind) && line.empty())
          line = " ";
    }
    ASSERT_EQ(test::Records(read), expected) << "round " << round;
  }
}

} // namespace
} // namespace flightdeck
