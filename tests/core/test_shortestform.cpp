#include "base/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

// The shortest form as printf's 15 significant digits give it: plain decimal text, scientific
// from 15 integer digits on and below 0.00001.
std::string viaPrintf(long double value)
{
    if (value == 0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", value);
    std::string text(buf);
    const bool negative = text[0] == '-';
    const size_t e = text.find('e');
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < e; ++i) {
        if (text[i] != '.')
            digits += text[i];
    }
    const int exp10 = std::stoi(text.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out = negative ? "-" : "";
    if (exp10 >= 15 || exp10 < -5) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exp10);
        return out;
    }
    if (exp10 < 0) {
        out += "0.";
        out.append(size_t(-exp10 - 1), '0');
        out += digits;
        return out;
    }
    const size_t whole = size_t(exp10 + 1);
    for (size_t i = 0; i < whole; ++i)
        out += i < digits.size() ? digits[i] : '0';
    if (digits.size() > whole) {
        out += '.';
        out.append(digits, whole);
    }
    return out;
}

} // namespace

// The shortest form is computed in integers for most values; it must agree with printf's digits,
// the rounding of exact halves included.
TEST(ShortestForm, AgreesWithPrintfDigits)
{
    const long double special[] = {0.1L, 0.3L, 1.0L / 3, 2.0L / 3, 100000000000000.5L, 100000000000001.5L,
                                   999999999999999.5L, 99999999999999.95L, 0.00001L, 0.0000099999L,
                                   1e15L - 0.5L, 1e-5L * (1 - 1e-18L), 1234.56L, 800.8L, 0.5L, 2.5L,
                                   123456789012345.6L, 4503599627370495.5L, 9.999999999999995L, 0.15L};
    for (long double v : special) {
        EXPECT_EQ(num::shortest(v).toStdString(), viaPrintf(v)) << double(v);
        EXPECT_EQ(num::shortest(-v).toStdString(), viaPrintf(-v)) << double(v);
    }
    for (int a = 1; a < 3000; ++a) {
        for (int b = 1; b <= 24; ++b) {
            const long double v = (long double)(a) / b;
            ASSERT_EQ(num::shortest(v).toStdString(), viaPrintf(v)) << a << "/" << b;
            const long double rate = 0.8L * a / b;
            ASSERT_EQ(num::shortest(rate).toStdString(), viaPrintf(rate)) << a << "/" << b;
        }
    }
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> exponent(-7, 17);
    for (int i = 0; i < 200000; ++i) {
        const long double v = std::pow(10.0L, (long double)exponent(random)) * (1 + (long double)(random() % 1000000) / 1e6L);
        ASSERT_EQ(num::shortest(v).toStdString(), viaPrintf(v)) << double(v);
    }
}
