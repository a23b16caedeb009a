#include "core/numbers.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

// Decimal digits of |value|: digits d1 d2 ... with value = 0.d1d2... x 10^point.
struct Decimal {
  std::string digits;  // no leading zeros; empty for zero
  int point = 0;       // decimal exponent of the digit string read as a fraction
};

// The exact decimal expansion of a double, cut to `keep` significant digits (not rounded).
Decimal ExactDigits(double v, int keep) {
  Decimal d;
  v = std::fabs(v);
  if (v == 0 || !std::isfinite(v)) return d;
  char buf[128];
  // 21 correctly rounded digits cut to `keep` (at most 18) are the exact expansion cut, unless
  // the rounding carried into the kept digits, which leaves the digits after them all zero;
  // only then are the 41 exact digits needed (they cost several times as much). to_chars gives
  // printf's "%.20e" text without its cost: reports format tens of thousands of values.
  char* end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 20).ptr;
  if (keep > 18 || (buf[keep + 1] == '0' && buf[keep + 2] == '0' && buf[keep + 3] == '0'))
    end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 40).ptr;  // exact: 41 digits
  *end = '\0';  // to_chars does not end the text
  const char* e = std::find(buf, end, 'e');
  int exp10 = std::atoi(e + 1);
  std::string& mant = d.digits;
  mant.reserve(static_cast<size_t>(e - buf));
  for (const char* c = buf; c < e && mant.size() < static_cast<size_t>(keep); ++c)
    if (*c >= '0' && *c <= '9') mant += *c;
  while (!mant.empty() && mant.back() == '0') mant.pop_back();
  d.point = exp10 + 1;
  return d;
}

// Digits of a value rounded (correctly, by the C library) to `sig` significant digits.
Decimal RoundedDigits(double v, int sig) {
  Decimal d;
  v = std::fabs(v);
  if (v == 0 || !std::isfinite(v)) return d;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", sig - 1, v);
  std::string s = buf;
  size_t e = s.find('e');
  for (size_t i = 0; i < e; ++i)
    if (s[i] >= '0' && s[i] <= '9') d.digits += s[i];
  d.point = std::atoi(s.c_str() + e + 1) + 1;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Rounds to `keep` digits after the decimal point (keep may be negative): above 5 up, below 5
// down, 5 followed by anything non-zero up, an exact tie to the even last kept digit.
Decimal RoundAt(Decimal d, int keep) {
  if (d.digits.empty()) return d;
  long long cut = static_cast<long long>(d.point) + keep;  // digits kept
  if (cut >= static_cast<long long>(d.digits.size())) return d;
  if (cut < 0) return Decimal{};
  bool up;
  char first = d.digits[cut];
  bool rest = d.digits.find_first_not_of('0', cut + 1) != std::string::npos;
  if (first > '5') up = true;
  else if (first < '5') up = false;
  else if (rest) up = true;
  else up = cut > 0 && ((d.digits[cut - 1] - '0') % 2 == 1);
  std::string kept = d.digits.substr(0, cut);
  if (up) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i >= 0) ++kept[i];
    else { kept.insert(kept.begin(), '1'); ++d.point; }
  }
  while (!kept.empty() && kept.back() == '0') kept.pop_back();
  d.digits = kept;
  if (d.digits.empty()) d.point = 0;
  return d;
}

// Integer-part digits of a rounded decimal ("" when below 1).
std::string IntegerDigits(const Decimal& d) {
  if (d.digits.empty() || d.point <= 0) return "";
  std::string s = d.digits.substr(0, std::min<size_t>(d.point, d.digits.size()));
  s.append(d.point > static_cast<int>(s.size()) ? d.point - s.size() : 0, '0');
  return s;
}

// `n` fraction digits of a rounded decimal.
std::string FractionDigits(const Decimal& d, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) {
    long long idx = static_cast<long long>(d.point) + i;
    s += (idx >= 0 && idx < static_cast<long long>(d.digits.size())) ? d.digits[idx] : '0';
  }
  return s;
}

std::vector<std::string> SplitSections(const std::string& mask) {
  std::vector<std::string> out(1);
  bool quoted = false;
  for (size_t i = 0; i < mask.size(); ++i) {
    char c = mask[i];
    if (c == '"') quoted = !quoted;
    else if (c == '\\' && !quoted && i + 1 < mask.size()) { out.back() += c; c = mask[++i]; }
    else if (c == ';' && !quoted) { out.emplace_back(); continue; }
    out.back() += c;
  }
  return out;
}

// One mask section, read into its parts.
struct Section {
  // Items in order; integer digit codes collapse into one block, fraction codes into another.
  enum Kind { Literal, IntBlock, Point, FracBlock, Exponent };
  struct Item { Kind kind; std::string text; };
  std::vector<Item> items;
  int intPlaces = 0;    // places of the integer block ("*c" counts two)
  int intCodes = 0;     // digit codes of the integer block ("*c" counts two)
  int minDigits = 0;    // places from the first "0" code to the end of the integer block
  bool fill = false;
  char fillChar = ' ';
  bool grouping = false;
  bool percent = false;
  std::string fracCodes;  // "#" and "0" after the point
  bool exponent = false;
  std::string expLetter;  // "E+", "E-", "e+", "e-"
  int expCodes = 0;
};

Section ParseSection(const std::string& s) {
  Section sec;
  bool afterPoint = false, inExp = false;
  int placesSeen = 0, firstZeroAt = -1;
  auto literal = [&](const std::string& t) {
    if (!sec.items.empty() && sec.items.back().kind == Section::Literal) sec.items.back().text += t;
    else sec.items.push_back({Section::Literal, t});
  };
  auto intBlock = [&] {
    bool have = false;
    for (auto& it : sec.items) have = have || it.kind == Section::IntBlock;
    if (!have) sec.items.push_back({Section::IntBlock, ""});
  };
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    bool digitCode = c == '#' || c == '0';
    if (inExp && digitCode) { ++sec.expCodes; continue; }
    if (c == '"') {
      size_t j = s.find('"', i + 1);
      if (j == std::string::npos) j = s.size();
      literal(s.substr(i + 1, j - i - 1));
      i = j;
    } else if (c == '\\') {
      if (i + 1 < s.size()) literal(std::string(1, s[++i]));
    } else if (digitCode && !afterPoint) {
      intBlock();
      ++placesSeen;
      ++sec.intCodes;
      if (c == '0' && firstZeroAt < 0) firstZeroAt = placesSeen;
    } else if (c == '*' && !afterPoint && i + 1 < s.size()) {
      intBlock();
      sec.fill = true;
      sec.fillChar = s[++i];
      placesSeen += 2;
      sec.intCodes += 2;
    } else if (digitCode) {
      if (sec.fracCodes.empty()) sec.items.push_back({Section::FracBlock, ""});
      sec.fracCodes += c;
    } else if (c == '.' && !afterPoint && !inExp) {
      afterPoint = true;
      sec.items.push_back({Section::Point, "."});
    } else if (c == ',' && !afterPoint && !inExp) {
      sec.grouping = true;
    } else if (c == '%') {
      sec.percent = true;
      literal("%");
    } else if ((c == 'E' || c == 'e') && !inExp && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-') &&
               (sec.intCodes > 0 || !sec.fracCodes.empty())) {
      sec.exponent = inExp = true;
      sec.expLetter = s.substr(i, 2);
      sec.items.push_back({Section::Exponent, ""});
      ++i;
    } else if (c == '-' || c == '+' || c == '(' || c == ')' || c == '$' || c == ' ') {
      literal(std::string(1, c));
    }
    // Any other character is dropped.
  }
  sec.intPlaces = placesSeen;
  sec.minDigits = firstZeroAt < 0 ? 0 : placesSeen - firstZeroAt + 1;
  return sec;
}

std::string Group(const std::string& digits) {
  std::string out;
  int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

// The masks of a program are a few literals used over and over: each is read once.
const Section& CachedSection(const std::string& text) {
  thread_local std::map<std::string, Section> cache;
  auto it = cache.find(text);
  if (it == cache.end()) {
    if (cache.size() >= 256) cache.clear();  // masks made at run time never pile up
    it = cache.emplace(text, ParseSection(text)).first;
  }
  return it->second;
}

const std::vector<std::string>& CachedSections(const std::string& mask) {
  thread_local std::map<std::string, std::vector<std::string>> cache;
  auto it = cache.find(mask);
  if (it == cache.end()) {
    if (cache.size() >= 256) cache.clear();
    it = cache.emplace(mask, SplitSections(mask)).first;
  }
  return it->second;
}

std::string FormatWithSection(const Decimal& exact, bool negative, const std::string& text) {
  const Section& sec = CachedSection(text);
  Decimal d = exact;
  if (sec.percent && !d.digits.empty()) d.point += 2;
  int nfrac = static_cast<int>(sec.fracCodes.size());
  std::string intDigits, fracDigits, expText;
  if (sec.exponent) {
    int k = sec.intCodes;
    int e = 0;
    if (!d.digits.empty()) {
      e = d.point - k;            // value = 0.d... x 10^point = m x 10^e with k integer digits
      Decimal m = d;
      m.point = k;
      m = RoundAt(m, nfrac);
      if (m.point > k) { ++e; m.point = k; }  // rounding carried into a new digit
      d = m;
    }
    intDigits = IntegerDigits(d);
    fracDigits = FractionDigits(d, nfrac);
    std::string sign = e < 0 ? "-" : (sec.expLetter[1] == '+' ? "+" : "");
    expText = std::string(1, sec.expLetter[0]) + sign + std::to_string(e < 0 ? -e : e);
  } else {
    d = RoundAt(d, nfrac);
    intDigits = IntegerDigits(d);
    fracDigits = FractionDigits(d, nfrac);
  }
  // Trailing zeros at "#" fraction places are not shown.
  int shown = nfrac;
  while (shown > 0 && sec.fracCodes[shown - 1] == '#' && fracDigits[shown - 1] == '0') --shown;
  fracDigits.resize(shown);

  if (static_cast<int>(intDigits.size()) < sec.minDigits)
    intDigits.insert(0, sec.minDigits - intDigits.size(), '0');
  bool allZero = intDigits.find_first_not_of('0') == std::string::npos &&
                 fracDigits.find_first_not_of('0') == std::string::npos;
  if (allZero) negative = false;  // "-0.000" helps nobody
  std::string block = sec.grouping ? Group(intDigits) : intDigits;
  if (sec.fill) {
    if (negative) block.insert(0, "-");
    if (static_cast<int>(block.size()) < sec.intPlaces)
      block.insert(0, sec.intPlaces - block.size(), sec.fillChar);
  }
  // Without a fill the minus stands right before the first digit place, after any leading text,
  // so a written number always reads back ("- 5.25" would read as 0).
  bool signPending = negative && !sec.fill;
  std::string out;
  for (const auto& it : sec.items) {
    if (signPending && it.kind != Section::Literal) {
      out += '-';
      signPending = false;
    }
    switch (it.kind) {
      case Section::Literal: out += it.text; break;
      case Section::IntBlock: out += block; break;
      case Section::Point: out += '.'; break;
      case Section::FracBlock: out += fracDigits; break;
      case Section::Exponent: out += expText; break;
    }
  }
  if (signPending) out.insert(0, "-");
  return out;
}

// plain: the text of a value that no mask section formats, made only when needed.
template <typename Plain>
std::string FormatDecimal(const Decimal& d, bool negative, const std::string& mask, Plain plain) {
  if (mask.empty()) return plain();
  const std::vector<std::string>& sections = CachedSections(mask);
  const std::string* chosen = &sections[0];
  bool neg = negative;
  if (d.digits.empty()) {
    if (sections.size() >= 3 && !sections[2].empty()) chosen = &sections[2];
    neg = false;
  } else if (negative && sections.size() >= 2 && !sections[1].empty()) {
    chosen = &sections[1];
    neg = false;  // the negative section prints the negated number
  }
  if (chosen->empty()) return plain();
  return FormatWithSection(d, neg, *chosen);
}

std::string Plain(const Decimal& d, bool negative, int sig) {
  if (d.digits.empty()) return "0";
  std::string sign = negative ? "-" : "";
  int nd = static_cast<int>(d.digits.size());
  int e = d.point - 1;  // scientific exponent
  // Fixed while the digits fit in `sig` places and at most four zeros follow the point.
  bool fixed = e >= 0 ? e < sig : (e >= -5 && (-e - 1 + nd) <= sig);
  if (fixed) {
    if (d.point <= 0) return sign + "." + std::string(-d.point, '0') + d.digits;
    if (d.point >= nd) return sign + d.digits + std::string(d.point - nd, '0');
    return sign + d.digits.substr(0, d.point) + "." + d.digits.substr(d.point);
  }
  std::string m = d.digits.substr(0, 1);
  if (nd > 1) m += "." + d.digits.substr(1);
  char ex[16];
  std::snprintf(ex, sizeof ex, "E%c%02d", e < 0 ? '-' : '+', e < 0 ? -e : e);
  return sign + m + ex;
}

std::string PlainText(double v, int sig) {
  std::string s = Plain(RoundedDigits(v, sig), v < 0, sig);
  return (v < 0 ? "" : " ") + s;
}

}  // namespace

std::string FormatNumber(double value, const std::string& mask) {
  if (!std::isfinite(value)) return NumberToText(value);
  auto plain = [value] {
    std::string p = PlainText(value, 15);
    return p.substr(p[0] == ' ' ? 1 : 0);
  };
  return FormatDecimal(ExactDigits(value, 18), value < 0, mask, plain);
}

std::string FormatNumber(float value, const std::string& mask) {
  if (!std::isfinite(value)) return NumberToText(value);
  auto plain = [value] {
    std::string p = PlainText(value, 7);
    return p.substr(p[0] == ' ' ? 1 : 0);
  };
  return FormatDecimal(RoundedDigits(value, 7), value < 0, mask, plain);
}

std::string NumberToText(double value) {
  if (std::isnan(value)) return " NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : " Inf";
  return PlainText(value, 15);
}

std::string NumberToText(float value) {
  if (!std::isfinite(value)) return NumberToText(static_cast<double>(value));
  return PlainText(value, 7);
}

std::string NumberToText(long long value) {
  return (value < 0 ? "" : " ") + std::to_string(value);
}

std::string NumberToText(int value) { return NumberToText(static_cast<long long>(value)); }

double ParseNumber(const std::string& text) {
  size_t i = 0, n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
  if (i + 1 < n && text[i] == '&') {
    char p = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    int base = p == 'H' ? 16 : (p == 'O' || p == 'Q') ? 8 : p == 'B' ? 2 : 0;
    if (base) {
      double v = 0;
      for (i += 2; i < n; ++i) {
        int c = std::toupper(static_cast<unsigned char>(text[i]));
        int digit = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : 99;
        if (digit >= base) break;
        v = v * base + digit;
      }
      return v;
    }
  }
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string digits;  // significant digits, at most 18
  long long scale = 0;  // decimal exponent adjustment for digits beyond 18 and after the point
  bool any = false;
  for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
    any = true;
    if (digits.empty() && text[i] == '0') continue;
    if (digits.size() < 18) digits += text[i];
    else ++scale;  // beyond 18 digits a digit only scales the value
  }
  if (i < n && text[i] == '.') {
    for (++i; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
      any = true;
      if (digits.empty() && text[i] == '0') { --scale; continue; }
      if (digits.size() < 18) { digits += text[i]; --scale; }
    }
  }
  if (!any) return 0;
  long long exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    size_t j = i + 1;
    bool eneg = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) eneg = text[j++] == '-';
    for (; j < n && text[j] >= '0' && text[j] <= '9'; ++j)
      if (exponent <= 9999) exponent = exponent * 10 + (text[j] - '0');
    if (exponent > 9999) exponent = 9999;
    if (eneg) exponent = -exponent;
  }
  if (digits.empty()) return 0.0;
  std::string s = digits + "e" + std::to_string(exponent + scale);
  double v = std::strtod(s.c_str(), nullptr);
  if (std::isinf(v)) v = DBL_MAX;  // a typed number too large for a double stays finite
  return negative ? -v : v;
}

bool IsOneNumber(const std::string& text) {
  const std::string s = Trim(text);
  size_t i = 0, n = s.size();
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  for (; i < n && s[i] >= '0' && s[i] <= '9'; ++i) ++digits;
  bool point = false;
  if (i < n && s[i] == '.') {
    point = true;
    for (++i; i < n && s[i] >= '0' && s[i] <= '9'; ++i) ++digits;
  }
  // A mask without a 0 place writes 0 as its point alone (".0000" is "#.####" of 0 in no digit).
  if (digits == 0) return point && i == n;
  if (i < n && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    size_t exponent = 0;
    for (; i < n && s[i] >= '0' && s[i] <= '9'; ++i) ++exponent;
    if (exponent == 0) return false;
  }
  return i == n;
}

std::string LTrim(const std::string& text) {
  size_t i = text.find_first_not_of(' ');
  return i == std::string::npos ? std::string() : text.substr(i);
}

std::string RTrim(const std::string& text) {
  size_t i = text.find_last_not_of(' ');
  return i == std::string::npos ? std::string() : text.substr(0, i + 1);
}

std::string Trim(const std::string& text) { return LTrim(RTrim(text)); }
