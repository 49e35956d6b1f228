#include "tests/temp_rom.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <stdexcept>

namespace quorvane::testing {

std::filesystem::path PathOf(const std::string& utf8Name) {
  return std::filesystem::path(std::u8string(utf8Name.begin(), utf8Name.end()));
}

std::string NameOf(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

ScratchFolder::ScratchFolder() {
  std::random_device entropy;
  const auto base = std::filesystem::temp_directory_path();
  do {
    path_ = base / ("quorvane-" + std::to_string(entropy()));
  } while (!std::filesystem::create_directory(path_));
  // Open to other users, so that a test can run a check as one of them.
  using std::filesystem::perms;
  std::filesystem::permissions(path_, perms::owner_all | perms::group_read | perms::group_exec |
                                          perms::others_read | perms::others_exec);
}

ScratchFolder::~ScratchFolder() {
  // A read-only file cannot be removed on Windows until it is writable again.
  std::error_code failed;
  for (std::filesystem::recursive_directory_iterator entry(path_, failed), end;
       !failed && entry != end; entry.increment(failed)) {
    std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, failed);
  }
  std::filesystem::remove_all(path_, failed);
}

std::string ScratchFolder::file(const std::string& utf8Name) const {
  return NameOf(path_ / PathOf(utf8Name));
}

Bytes SeededBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 generator(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(byte(generator));
  return bytes;
}

void WriteFile(const std::string& utf8Name, const Bytes& contents) {
  std::ofstream out(PathOf(utf8Name), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(contents.data()),
            static_cast<std::streamsize>(contents.size()));
  if (!out) throw std::runtime_error("cannot write " + utf8Name);
}

Bytes ReadFile(const std::string& utf8Name) {
  std::ifstream in(PathOf(utf8Name), std::ios::binary | std::ios::ate);
  if (!in) throw std::runtime_error("cannot read " + utf8Name);
  Bytes contents(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(contents.data()), static_cast<std::streamsize>(contents.size()));
  return contents;
}

ScratchRom::ScratchRom(std::size_t size, std::uint32_t seed)
    : path(folder.file("game.sfc")), original(SeededBytes(size, seed)) {
  WriteFile(path, original);
}

Bytes WithRecord(Bytes contents, WeaponIndex index, const WeaponRecord& record) {
  const auto position = static_cast<std::size_t>(*RecordPosition(index));
  if (contents.size() < position + record.size()) contents.resize(position + record.size());
  std::copy(record.begin(), record.end(), contents.begin() + static_cast<std::ptrdiff_t>(position));
  return contents;
}

WeaponRecord RecordIn(const Bytes& contents, WeaponIndex index) {
  const auto position = static_cast<std::ptrdiff_t>(*RecordPosition(index));
  WeaponRecord record{};
  std::copy_n(contents.begin() + position, record.size(), record.begin());
  return record;
}

}  // namespace quorvane::testing
