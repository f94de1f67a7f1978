#include "engine/core/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tessaro {

namespace {

constexpr long double kPercentFactor = 2.55L;

// A finite non-zero number as its shortest decimal digits: value = 0.d0 d1 d2... x 10^(exp+1),
// i.e. d0 stands at the 10^exp position. Empty digits mean zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exp = 0;
};

Decimal ToDecimal(double x) {
  Decimal d;
  if (x == 0.0) return d;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
  std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
  size_t i = 0;
  if (text[i] == '-') {
    d.negative = true;
    ++i;
  }
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] != '.') d.digits.push_back(text[i]);
  }
  d.exp = std::atoi(std::string(text.substr(i + 1)).c_str());
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Keep `keep` significant digits, halves away from zero; trailing zeros are dropped.
void RoundDigits(Decimal& d, int keep) {
  if (d.digits.empty() || keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
  d.digits.resize(static_cast<size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') {
      d.digits[static_cast<size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      d.exp += 1;
    } else {
      ++d.digits[static_cast<size_t>(i)];
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

// The digit standing at the 10^position place.
char DigitAt(const Decimal& d, int position) {
  const int index = d.exp - position;
  if (index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
  return d.digits[static_cast<size_t>(index)];
}

std::string Fixed(const Decimal& d, int decimals, char sep) {
  std::string out;
  if (d.negative && !d.digits.empty()) out.push_back('-');
  for (int p = std::max(d.exp, 0); p >= 0; --p) out.push_back(DigitAt(d, p));
  if (decimals > 0) {
    out.push_back(sep);
    for (int p = -1; p >= -decimals; --p) out.push_back(DigitAt(d, p));
  }
  return out;
}

std::string Exponent(const Decimal& d, int min_exp_digits, char sep) {
  std::string out;
  if (d.negative) out.push_back('-');
  out.push_back(d.digits[0]);
  if (d.digits.size() > 1) {
    out.push_back(sep);
    out.append(d.digits, 1);
  }
  out.push_back('E');
  if (d.exp < 0) out.push_back('-');
  std::string e = std::to_string(std::abs(d.exp));
  if (static_cast<int>(e.size()) < min_exp_digits) {
    e.insert(0, static_cast<size_t>(min_exp_digits) - e.size(), '0');
  }
  return out + e;
}

std::string NonFinite(double x) {
  if (std::isnan(x)) return "NAN";
  return x < 0 ? "-INF" : "INF";
}

}  // namespace

double BytePercent(long double v) { return static_cast<double>(v / kPercentFactor); }

long double PercentToSignal(long double percent) { return percent * kPercentFactor; }

int64_t RoundEven(long double x) {
  // The default rounding mode rounds halves to the even neighbour.
  return static_cast<int64_t>(std::rintl(x));
}

uint8_t RoundToByte(long double x) { return static_cast<uint8_t>(RoundEven(x) & 0xFF); }

std::string FormatValue(double x, char decimal_separator) {
  if (!std::isfinite(x)) return NonFinite(x);
  Decimal d = ToDecimal(x);
  if (d.digits.empty()) return Fixed(d, 1, decimal_separator);
  // One decimal, but never more than three significant digits.
  RoundDigits(d, std::min(d.exp + 2, 3));
  if (d.digits.empty()) return Fixed(d, 1, decimal_separator);
  if (d.exp >= 3) return Exponent(d, 1, decimal_separator);
  return Fixed(d, 1, decimal_separator);
}

std::string LevelText(uint8_t v) {
  if (v == 0) return "low";
  if (v == 255) return "high";
  return std::to_string(v);
}

std::string FormatSignificant(double x, int digits, char decimal_separator) {
  if (!std::isfinite(x)) return NonFinite(x);
  Decimal d = ToDecimal(x);
  RoundDigits(d, digits);
  if (d.digits.empty()) return "0";
  if (d.exp >= digits || d.exp < -4) return Exponent(d, 2, decimal_separator);
  const int decimals = std::max(0, static_cast<int>(d.digits.size()) - 1 - d.exp);
  return Fixed(d, decimals, decimal_separator);
}

double ScaleToRange(double percent, int32_t high, int32_t low) {
  return static_cast<double>(static_cast<long double>(percent) *
                                 (static_cast<long double>(high) - low) / 100.0L +
                             low);
}

double ByteToRange(uint8_t v, int32_t high, int32_t low) {
  return static_cast<double>(static_cast<long double>(v) / kPercentFactor *
                                 (static_cast<long double>(high) - low) / 100.0L +
                             low);
}

}  // namespace tessaro
