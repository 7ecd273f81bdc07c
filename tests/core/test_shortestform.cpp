#include "base/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

// The shortest form as printf's 15 significant digits give it: plain decimal text, scientific
// from 15 integer digits on and below 0.00001.
std::string viaPrintf(double value)
{
    if (value == 0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
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
    const double special[] = {0.1, 0.3, 1.0 / 3, 2.0 / 3, 100000000000000.5, 100000000000001.5,
                                   999999999999999.5, 99999999999999.95, 0.00001, 0.0000099999,
                                   1e15 - 0.5, 1e-5 * (1 - 1e-18), 1234.56, 800.8, 0.5, 2.5,
                                   123456789012345.6, 4503599627370495.5, 9.999999999999995, 0.15};
    for (double v : special) {
        EXPECT_EQ(num::shortest(v).toStdString(), viaPrintf(v)) << v;
        EXPECT_EQ(num::shortest(-v).toStdString(), viaPrintf(-v)) << v;
    }
    for (int a = 1; a < 3000; ++a) {
        for (int b = 1; b <= 24; ++b) {
            const double v = (double)(a) / b;
            ASSERT_EQ(num::shortest(v).toStdString(), viaPrintf(v)) << a << "/" << b;
            const double rate = 0.8 * a / b;
            ASSERT_EQ(num::shortest(rate).toStdString(), viaPrintf(rate)) << a << "/" << b;
        }
    }
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> exponent(-7, 17);
    for (int i = 0; i < 200000; ++i) {
        const double v = std::pow(10.0, exponent(random)) * (1 + (double)(random() % 1000000) / 1e6);
        ASSERT_EQ(num::shortest(v).toStdString(), viaPrintf(v)) << v;
    }
}
