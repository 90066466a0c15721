#pragma once

#include <QString>

// Random passwords from the operating system's random source (libsodium), made only of
// characters the vault keeps as they are.
namespace passwordgen {

enum Class : unsigned { Upper = 1, Lower = 2, Digits = 4, Symbols = 8 };

inline constexpr int DefaultLength = 20;
inline constexpr int MaxLength = 1000; // what a value box holds

// The characters of the chosen classes (a combination of Class values).
QString alphabet(unsigned classes);

// length characters drawn uniformly from the alphabet of classes, holding at least one of each
// chosen class when the length allows; empty when no class is chosen or length < 1.
QString generate(int length, unsigned classes);

} // namespace passwordgen
