#pragma once

#include <QString>

#include <array>
#include <functional>

// The values file: up to 999 named reference texts, one section per slot ("E1" to "E999"), each
// with a key "name" (the entry's name) and a key "val" (the text shown and copied).
namespace zorv::values {

inline constexpr int SlotCount = 999;

// Entry n (1 to 999) holds the value of slot n; entry 0 stays the empty text, so that "no entry
// chosen" (list position -1, slot 0) reads as nothing.
using ValueTable = std::array<QString, SlotCount + 1>;

// What a slot reads as when its section or key is missing.
extern const QString FreeSlotName;
extern const QString EmptyValue;

// The values file below the program folder.
QString valuesFilePath();

// The section of a slot: "E" and the slot number, without leading zeros.
QString sectionName(int slot);

// Reads the names of slots 1 to 999 in slot order and hands each to `receiver`: exactly 999
// calls, whatever the file holds (a missing file gives 999 times FreeSlotName).
void readNames(const std::function<void(const QString &name)> &receiver);

// Reads the values of slots 1 to 999 into entries 1 to 999 of `table`; entry 0 is left alone.
void readValues(ValueTable &table);

// Both passes, names first: what the values window does when it loads.
void readValuesFile(const std::function<void(const QString &name)> &receiver, ValueTable &table);

} // namespace zorv::values
