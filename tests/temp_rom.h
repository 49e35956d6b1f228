#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "rom/weapon_table.h"

namespace quorvane::testing {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t RomSize = 3 * 1024 * 1024;

// Names cross into the file layer as UTF-8 on every platform; these convert
// between such a name and a path without the platform's code page.
std::filesystem::path PathOf(const std::string& utf8Name);
std::string NameOf(const std::filesystem::path& path);

// A private folder, removed with everything in it when the test ends.
class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  // The UTF-8 name of a file in the folder, as the file layer takes it.
  std::string file(const std::string& utf8Name) const;
  std::string name() const { return NameOf(path_); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

Bytes SeededBytes(std::size_t size, std::uint32_t seed);
void WriteFile(const std::string& utf8Name, const Bytes& contents);
Bytes ReadFile(const std::string& utf8Name);

// A ROM-sized file of seeded random bytes in a scratch folder.
struct ScratchRom {
  explicit ScratchRom(std::size_t size = RomSize, std::uint32_t seed = 1);
  ScratchFolder folder;
  std::string path;
  Bytes original;
};

// The original bytes with one weapon's record replaced.
Bytes WithRecord(Bytes contents, WeaponIndex index, const WeaponRecord& record);
WeaponRecord RecordIn(const Bytes& contents, WeaponIndex index);

// How many handles of this process are open on the file (on Windows, 1 when
// any is and 0 when none is).
int HandlesOpenOn(const std::string& utf8Name);

}  // namespace quorvane::testing
