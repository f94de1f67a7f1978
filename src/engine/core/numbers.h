// Number conversions and the value texts shown on screen.
#pragma once

#include <cstdint>
#include <string>

namespace tessaro {

// A signal byte as a percentage: v / 2.55 in extended precision, so that bytes that are
// whole multiples of 2.55 give exact percentages (153 -> 60.0).
double BytePercent(long double v);

// x * 2.55 in extended precision: a percentage back to signal units (not yet rounded).
long double PercentToSignal(long double percent);

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4).
int64_t RoundEven(long double x);

// Low 8 bits of the nearest integer, ties to even.
uint8_t RoundToByte(long double x);

// One decimal, at most three significant digits, halves away from zero; exponent form
// ("1.23E3") when more than three digits stand before the separator.
std::string FormatValue(double x, char decimal_separator = '.');

// "low" for 0, "high" for 255, otherwise the number.
std::string LevelText(uint8_t v);

// At most `digits` significant digits, trailing zeros dropped; exponent form with at
// least two exponent digits ("1.28E03", "1.23E-05") for large or tiny magnitudes.
std::string FormatSignificant(double x, int digits, char decimal_separator = '.');

// Engineering value of a percentage on a range: percent * (high - low) / 100 + low.
double ScaleToRange(double percent, int32_t high, int32_t low);

// Engineering value of a signal byte on a range: v / 2.55 * (high - low) / 100 + low, the
// whole expression in extended precision, so that the percentage is not rounded to a
// double on the way (range 253..1273, byte 188 gives exactly 1005).
double ByteToRange(uint8_t v, int32_t high, int32_t low);

}  // namespace tessaro
