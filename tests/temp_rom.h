#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "rom/weapon_table.h"

namespace quorvane::testing {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t RomSize = 3 * 1024 * 1024;

// A private folder, removed with everything in it when the test ends.
class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  std::string file(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

Bytes SeededBytes(std::size_t size, std::uint32_t seed);
void WriteFile(const std::string& path, const Bytes& contents);
Bytes ReadFile(const std::string& path);

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

// How many of this process's descriptors refer to the file.
int DescriptorsOpenOn(const std::string& path);

// Runs the check in a child process, so that limits and identities it takes on
// stay there, and returns the child's exit code (-1 when it did not exit).
int ExitCodeInChild(const std::function<int()>& check);

// Root ignores file modes; a check that needs them refused becomes an ordinary
// user first. False when that failed.
bool DropRootPrivileges();

}  // namespace quorvane::testing
