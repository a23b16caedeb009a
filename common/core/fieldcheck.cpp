#include "core/fieldcheck.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "core/globals.h"
#include "core/numbers.h"

const char* const NumberCharsSigned = "+-.0123456789Ee";
const char* const NumberCharsUnsigned = "+.0123456789Ee";
const char* const NumberCharsDigits = "0123456789";

namespace {

// The form checks both programs share; returns the code (0 when the form is sound).
int FormCode(std::string& text, const std::string& allowed) {
  size_t first = text.find_first_not_of('0');
  text = first == std::string::npos ? std::string() : text.substr(first);
  if (text.empty()) text = "0";
  int code = 0;
  int exps = 0, points = 0;
  for (char c : text) {
    exps += (c == 'E' || c == 'e');
    points += c == '.';
  }
  if (exps > 1) code = 3;
  if (points > 1) code = 4;
  size_t e = text.find_first_of("Ee"), p = text.find('.');
  if (e != std::string::npos && p != std::string::npos && e < p) code = 5;
  if (code == 0) {
    for (char c : Trim(text))
      if (allowed.find(c) == std::string::npos) code = 6;
  }
  return code;
}

}  // namespace

void NormaliseNumberText(std::string& text, const std::string& allowed, int& code, int kind) {
  code = FormCode(text, allowed);
  if (code != 0) return;
  double v = ParseNumber(text);
  bool ok = true;
  switch (kind) {
    case 1: ok = (v > 0 || (v == 0 && Substructure == "ROOF STRUCTURE")) && v == std::nearbyint(v); break;
    case 2: ok = v > 0; break;
    case 3: ok = v >= 0; break;
    case 4: ok = v >= 0 && v < 0.5; break;
    case 5: ok = v >= 0 && v < 0.001; break;
    case 6: if (!(v > 0 && v <= 0.5)) code = 7; return;
    default: break;
  }
  if (!ok) code = 2;
}

void IsNumberText(std::string& text, const std::string& allowed, int& code, int kind) {
  code = FormCode(text, allowed);
  if (code != 0) return;
  double v = ParseNumber(text);
  bool ok = true;
  switch (kind) {
    case 1: ok = v > 0 && v == std::floor(v); break;
    case 2: ok = v > 0; break;
    case 3: case 4: ok = v >= 0; break;
    default: break;
  }
  if (!ok) code = 2;
}

bool CellTakesCharacter(char character, const std::string& before, bool negative) {
  const char c = character;
  if ((c >= '0' && c <= '9') || c == '.' || c == '+' || c == 'E' || c == 'e') return true;
  if (c != '-') return false;
  if (negative) return true;
  return !before.empty() && (before.back() == 'E' || before.back() == 'e');
}

bool IsCellNumber(const std::string& text, bool negative) {
  const std::string t = Trim(text);
  size_t i = 0;
  const size_t n = t.size();
  if (n == 0) return true;
  if (t[i] == '+' || (t[i] == '-' && negative)) ++i;
  size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
  if (i < n && t[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (t[i] == 'E' || t[i] == 'e')) {
    ++i;
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    size_t exponent = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++exponent;
    if (exponent == 0) return false;
  }
  if (i != n) return false;
  // A value beyond a double would be kept as its largest value instead.
  return std::isfinite(std::strtod(t.c_str(), nullptr));
}

std::string ItemWarning(int item, const std::string& range) {
  return "INCORRECT DATA of Item " + NumberToText(item) + "!" + (range.empty() ? std::string() : "\r\n" + range) +
         "\r\n\r\nENTER NEW DATA.";
}

std::string CountRange(int first, int last, const std::string& noun) {
  return "(" + std::to_string(first) + " to " + std::to_string(last) + " " + noun + ")";
}
