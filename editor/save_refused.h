#pragma once

#include <exception>
#include <string>

#include "rom/weapon_table.h"

namespace quorvane {

// Why Save found nothing sound to write; the file was not touched.
enum class Refusal { NoFileOpen, NoWeaponSelected, NotAByte };

class SaveRefused : public std::exception {
 public:
  explicit SaveRefused(Refusal reason, ValueField field = 0, std::string text = {})
      : reason_(reason), field_(field), text_(std::move(text)) {}

  const char* what() const noexcept override { return "the save was refused"; }

  Refusal reason() const { return reason_; }
  // For NotAByte: the value field and the text it holds.
  ValueField field() const { return field_; }
  const std::string& text() const { return text_; }

 private:
  Refusal reason_;
  ValueField field_;
  std::string text_;
};

}  // namespace quorvane
