// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestFiles.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

namespace flightdeck::test {

namespace fs = std::filesystem;

TTempDir::TTempDir(const fs::path& base) {
  // Portable: a random name, made only when it is not taken.
  static std::mt19937 generator{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    FPath = base / ("flightdeck-test-" + std::to_string(generator()));
    if (fs::create_directory(FPath))
      return;
  }
  throw std::runtime_error("cannot create a temporary directory");
}

TTempDir::~TTempDir() {
  std::error_code ignored;
  // Tests may leave read-only folders behind; open them up so everything can go.
  for (const auto& entry : fs::recursive_directory_iterator(FPath, ignored))
    if (entry.is_directory(ignored))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(FPath, ignored);
}

std::string MakeGameDirectory(const fs::path& root,
                              std::initializer_list<std::string_view> folders) {
  for (std::string_view folder : folders)
    fs::create_directories(root / folder);
  return root.string() + "/";
}

std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines)
    text.append(line).append("\r\n");
  return text;
}

fs::path Utf8Path(std::string_view text) {
#ifdef _WIN32
  return fs::path(std::u8string(text.begin(), text.end()));
#else
  return fs::path(text);
#endif
}

std::string Utf8Text(const fs::path& path) {
#ifdef _WIN32
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
#else
  return path.string();
#endif
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out)
    throw std::runtime_error("cannot write " + path.string());
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ListDirectory(const fs::path& path) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  std::string joined;
  for (const std::string& name : names)
    joined += (joined.empty() ? "" : " ") + name;
  return joined;
}

std::string Snapshot(const fs::path& root) {
  std::vector<std::string> lines;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    lines.push_back(fs::relative(entry.path(), root).string() +
                    (entry.is_regular_file() ? " = " + ReadBytes(entry.path()) : "/"));
  std::sort(lines.begin(), lines.end());
  std::string joined;
  for (const std::string& line : lines)
    joined += line + "\n";
  return joined;
}

} // namespace flightdeck::test
