#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "rom/weapon_labels.h"

namespace quorvane {

inline constexpr std::int32_t WeaponTableOffset = 0x2CE600;
inline constexpr int WeaponRecordSize = 8;
inline constexpr int WeaponCount = 91;
// The least length of a file that holds the whole table.
inline constexpr std::int64_t WeaponTableEnd =
    WeaponTableOffset + std::int64_t{WeaponRecordSize} * WeaponCount;

using WeaponRecord = std::array<std::uint8_t, WeaponRecordSize>;

// Position in the weapon list and in the table; NoWeapon when nothing is selected.
using WeaponIndex = std::int16_t;
inline constexpr WeaponIndex NoWeapon = -1;

// Value field k edits record byte k, except that the flag byte sits between
// fields 4 and 5, so fields 5 and 6 edit bytes 6 and 7.
using ValueField = int;
inline constexpr int ValueFieldCount = 7;
inline constexpr int FlagByte = 5;

constexpr int RecordByteOf(ValueField field) { return field < FlagByte ? field : field + 1; }

using FlagBit = int;
inline constexpr int FlagBitCount = 8;

constexpr std::uint8_t FlagMask(FlagBit bit) { return static_cast<std::uint8_t>(1U << bit); }

// Offset of a weapon's record, or nothing for an index outside the table:
// such an index would address bytes that belong to other data.
std::optional<std::int32_t> RecordPosition(WeaponIndex index);

// The first weapon whose record does not lie wholly within a file of this
// length; WeaponCount when the whole table does.
WeaponIndex FirstWeaponPastEnd(std::int64_t length);

// Whether a file of this length is 512 bytes over a whole number of
// kibibytes, as an image with a copier's 512-byte header in front is. Such a
// header moves every offset by 512, which the table's fixed offset ignores.
bool HasCopierHeaderLength(std::int64_t length);

// Each operation opens the file, named in UTF-8 (never truncating; only the
// probe of a newly chosen name creates a missing one), refuses anything but a
// regular file, does its one whole transfer and closes it again; a save is
// synced to the disk before it counts. Failures throw RomFileError. A probe
// tells whether it made the file, the length its one file-type check found,
// and, for a file that may be read but not written, why writing was refused.
enum class Probed { ExistingFile, CreatedFile };
struct ProbedFile {
  Probed origin;
  std::int64_t length;
  std::error_code writeRefused;
};
ProbedFile CheckFileOpens(const std::string& fileName);
// The probe of a name chosen earlier, which may have gone meanwhile.
ProbedFile CheckExistingFileOpens(const std::string& fileName);
WeaponRecord ReadWeaponRecord(const std::string& fileName, WeaponIndex index);
void WriteWeaponRecord(const std::string& fileName, WeaponIndex index, const WeaponRecord& record);

}  // namespace quorvane
