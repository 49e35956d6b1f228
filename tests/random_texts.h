#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace quorvane::testing {

// Seeded junk and near-junk for value boxes: digits with leading zeros, blanks,
// signs, points, letters and non-ASCII, up to over-long pastes. The seed comes
// from QUORVANE_SEED when set, so a failure can be replayed.
class RandomTexts {
 public:
  RandomTexts();
  std::uint32_t seed() const { return seed_; }
  std::string next();
  int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(generator_); }

 private:
  std::uint32_t seed_;
  std::mt19937 generator_;
};

// The value box's promise after the change rule: a non-empty number of at
// most 255 in at most three digits, mirrored in at least two uppercase hex digits.
::testing::AssertionResult IsSettledValue(const std::string& text, const std::string& hex);

}  // namespace quorvane::testing
