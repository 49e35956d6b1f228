#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>
#include <array>

#include "bench/raw_floor.h"
#include "bench/spread.h"
#include "editor/weapon_editor.h"
#include "tests/fake_view.h"
#include "ui/form1.h"

namespace quorvane::bench {
namespace {

constexpr WeaponIndex Weapon = 29;

// The same widget work the window does for one weapon, on bare widgets.
struct BareWidgets {
  BareWidgets() {
    for (auto& box : values) box = new QLineEdit(&window);
    for (auto& box : hexes) box = new QLineEdit(&window);
    for (auto& box : flags) box = new QCheckBox(&window);
    window.show();
  }
  void show(const WeaponRecord& record) {
    for (int k = 0; k < ValueFieldCount; ++k) {
      const int byte = record[static_cast<std::size_t>(RecordByteOf(k))];
      values[static_cast<std::size_t>(k)]->setText(QString::number(byte));
      hexes[static_cast<std::size_t>(k)]->setText(QString::number(byte, 16).toUpper());
    }
    for (int b = 0; b < FlagBitCount; ++b) {
      flags[static_cast<std::size_t>(b)]->setChecked((record[FlagByte] & FlagMask(b)) != 0);
    }
  }
  WeaponRecord collect() const {
    WeaponRecord record{};
    for (int k = 0; k < ValueFieldCount; ++k) {
      record[static_cast<std::size_t>(RecordByteOf(k))] =
          static_cast<std::uint8_t>(values[static_cast<std::size_t>(k)]->text().toInt());
    }
    for (int b = 0; b < FlagBitCount; ++b) {
      if (flags[static_cast<std::size_t>(b)]->isChecked()) record[FlagByte] |= FlagMask(b);
    }
    return record;
  }
  QWidget window;
  std::array<QLineEdit*, ValueFieldCount> values{};
  std::array<QLineEdit*, ValueFieldCount> hexes{};
  std::array<QCheckBox*, FlagBitCount> flags{};
};

// Two weapons in turn, so every load really changes the texts.
WeaponIndex Alternate(WeaponIndex& index) { return index = index == Weapon ? 30 : Weapon; }

void LoadFloor(benchmark::State& state) {
  BareWidgets bare;
  WeaponIndex index = Weapon;
  for (auto _ : state) bare.show(RawRead(ScratchImage(), *RecordPosition(Alternate(index))));
}
BENCHMARK(LoadFloor)->Apply(WithSpread);

// The real window as the editor's view, with the scratch image chosen.
struct WindowOnImage {
  WindowOnImage() {
    window.show();
    chooser.willAnswer(ScratchImage());
    chooser.showOpen();
  }
  Form1 window;
  testing::FakeChooser chooser;
  WeaponEditor editor{window, chooser};
};

void LoadWeaponInWindow(benchmark::State& state) {
  WindowOnImage shown;
  WeaponIndex index = Weapon;
  for (auto _ : state) shown.editor.LoadWeapon(Alternate(index));
}
BENCHMARK(LoadWeaponInWindow)->Apply(WithSpread);

void SaveFloor(benchmark::State& state) {
  BareWidgets bare;
  bare.show(RawRead(ScratchImage(), *RecordPosition(Weapon)));
  for (auto _ : state) RawWrite(ScratchImage(), *RecordPosition(Weapon), bare.collect());
}
BENCHMARK(SaveFloor)->Apply(WithSpread);

void SaveWeaponInWindow(benchmark::State& state) {
  WindowOnImage shown;
  shown.window.selectWeapon(Weapon);
  shown.editor.LoadWeapon(Weapon);
  for (auto _ : state) shown.editor.SaveWeapon();
}
BENCHMARK(SaveWeaponInWindow)->Apply(WithSpread);

}  // namespace
}  // namespace quorvane::bench
