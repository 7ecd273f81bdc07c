#include "base/conversionerror.h"
#include "base/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

using namespace num;

TEST(Numbers, ShortestForm)
{
    struct Case { double value; const char16_t *text; } cases[] = {
        {20, u"20"}, {1234.5, u"1234.5"}, {0, u"0"}, {-0.0, u"0"}, {0.1 + 0.2, u"0.3"},
        {-7.25, u"-7.25"}, {1.0 / 3, u"0.333333333333333"}, {123456789012345, u"123456789012345"},
        {1e15, u"1E15"}, {1234567890123456, u"1.23456789012346E15"}, {0.00001, u"0.00001"},
        {0.0000015, u"1.5E-6"}, {67.5, u"67.5"}, {82, u"82"}, {1230.0 / 1500 * 100, u"82"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shortest(c.value), QString::fromUtf16(c.text)) << c.value;
}

TEST(Numbers, GroupedAndAmountFormats)
{
    EXPECT_EQ(grouped(1234567), u"1,234,567"_qs);
    EXPECT_EQ(grouped(1234.5), u"1,234.5"_qs);
    EXPECT_EQ(grouped(-31000), u"-31,000"_qs);
    EXPECT_EQ(grouped(999), u"999"_qs);

    EXPECT_EQ(amount(1234567), u"    1,234,567"_qs);
    EXPECT_EQ(amount(1234.5), u"      1234.50"_qs);
    EXPECT_EQ(amount(0), u"            0"_qs);
    EXPECT_EQ(amount(-1234), u"       -1,234"_qs);
    EXPECT_EQ(amount(0.125), u"         0.13"_qs); // decimal digits round half up
    EXPECT_EQ(amount(1234).size(), 13);
    EXPECT_EQ(amount(999.999), u"        1,000"_qs); // rounds up into whole yen

    EXPECT_EQ(fixed(2.25, 1, 13), u"          2.3"_qs);
    EXPECT_EQ(fixed(-0.004, 2), u"0.00"_qs);
    EXPECT_EQ(fixed(1234.5, 0, 6), u"  1235"_qs);
    EXPECT_EQ(groupedFixed(1234567.891, 2, 10), u"1,234,567.89"_qs); // wider than the width
    EXPECT_EQ(groupedFixed(-999, 0, 5), u" -999"_qs);

    EXPECT_EQ(hashGrouped(1234567), u"1,234,567"_qs);
    EXPECT_EQ(hashGrouped(1234.5), u"1,234.5"_qs);
    EXPECT_EQ(hashGrouped(0.5), u".5"_qs);
    EXPECT_EQ(hashGrouped(0), QString());
    EXPECT_EQ(hashGrouped(3500.5), u"3,500.5"_qs);
    EXPECT_EQ(hashGrouped(1234.567), u"1,234.57"_qs);

    // "#,##0.###########": at least one integer digit, up to 11 decimals.
    struct Case { double value; const char16_t *text; } zero[] = {
        {1234, u"1,234"}, {0.5, u"0.5"}, {0, u"0"}, {-1234.5, u"-1,234.5"}, {1.0 / 3, u"0.33333333333"},
        {0.000000000004, u"0"}, {-0.000000000004, u"0"}, {0.000000000006, u"0.00000000001"},
        {999999.999999999999, u"1,000,000"}, {0.1 + 0.2, u"0.3"}, {1e20, u"100,000,000,000,000,000,000"},
    };
    for (const auto &c : zero)
        EXPECT_EQ(zeroGrouped(c.value, 11), QString::fromUtf16(c.text)) << double(c.value);
}

TEST(Numbers, Parsing)
{
    EXPECT_EQ(toNumber(u"12.5"), 12.5);
    EXPECT_EQ(toNumber(u" 7 "), 7.0);
    EXPECT_EQ(toNumber(u"-3"), -3.0);
    EXPECT_EQ(toNumber(u".5"), 0.5);
    EXPECT_EQ(toNumber(u"1e3"), 1000.0);
    EXPECT_EQ(toInteger(u"42"), 42);
    EXPECT_EQ(toInteger(u"3000000000"), 3000000000LL);
    for (const char16_t *bad : {u"", u" ", u"abc", u"1,000", u"１２", u"1.2.3", u"e5", u"."}) {
        try {
            toNumber(bad);
            ADD_FAILURE() << "accepted " << QString::fromUtf16(bad).toStdString();
        } catch (const ConversionError &e) {
            EXPECT_EQ(e.text(), QString::fromUtf16(bad));
        }
    }
    EXPECT_THROW(toInteger(u"6.5"), ConversionError);
    EXPECT_EQ(toNumberOr(u" ", 100), 100.0);
    EXPECT_THROW(toNumberOr(u"x", 100), ConversionError);
}

TEST(Numbers, Roundings)
{
    EXPECT_EQ(roundEven(2.5), 2);
    EXPECT_EQ(roundEven(3.5), 4);
    EXPECT_EQ(roundEven(-2.5), -2);
    EXPECT_EQ(roundHalfAway(2.5), 3);
    EXPECT_EQ(roundHalfAway(-2.5), -3);
    EXPECT_EQ(roundHalfAway(2.4999), 2);
    EXPECT_EQ(truncate(-7.9), -7);
    EXPECT_EQ(truncate(7.9), 7);
}

TEST(Numbers, RoundToUnit)
{
    // Painting, ceiling and labour rows: unit chosen by the amount itself.
    struct Case { double amount; double expected; } cost[] = {
        {1234, 1000}, {1500, 2000}, {450, 500}, {449, 400}, {250, 300}, {100, 100}, {1000, 1000},
    };
    for (const auto &c : cost) {
        const double u = unitFor(c.amount, units::cost, Reach::AtLeast);
        EXPECT_EQ(roundToUnit(c.amount, u), c.expected) << c.amount;
    }
    EXPECT_EQ(unitFor(99.6, units::cost, Reach::AtLeast), 0);
    // Consumables absorption and grand total examples.
    EXPECT_EQ(unitAdjustment(123456, 1000), -456);
    EXPECT_EQ(unitFor(45678, units::grandTotal, Reach::AtLeast), 10000);
    EXPECT_EQ(unitAdjustment(1234567, 10000), -4567);
    EXPECT_EQ(unitAdjustment(12000, 1000), 0);
    // Overhead.
    EXPECT_EQ(roundToUnit(12345, unitFor(12345, units::overhead, Reach::AtLeast)), 12000);
    EXPECT_EQ(unitFor(85, units::overhead, Reach::AtLeast), 0);
    // NET figure: thresholds are "above"; 100 stays, 155 goes up, 150 stays.
    EXPECT_EQ(unitFor(100, units::net, Reach::Above), 0);
    EXPECT_EQ(roundToUnit(155, unitFor(155, units::net, Reach::Above)), 160);
    EXPECT_EQ(roundToUnit(150, unitFor(150, units::net, Reach::Above)), 150);
    EXPECT_EQ(roundToUnit(1234567, unitFor(1234567, units::net, Reach::Above)), 1230000);
    EXPECT_EQ(roundToUnit(31040, unitFor(31040, units::socialInsurance, Reach::Above)), 31000);
}

TEST(Numbers, FastPathsAgreeWithTheGeneralOnes)
{
    // shortestTo and the roundings take fast paths on the recalculation's hot loop; they must give
    // exactly what the general forms give, halves and powers of ten included.
    std::vector<double> values = {0.5, 2.5, -2.5, 3.5, 1234.5, -0.5, 0.1, 0.09999999999999999999,
                                99999.99999999999, 1e-5, 0.000123, 1e14 + 0.5, 4503599627370495.5,
                                9.2e18, -9.2e18, 1.0 / 3, 2.0 / 3, 67.5, 62.5, 0.125};
    std::uint64_t state = 12345;
    auto next = [&state] { state = state * 6364136223846793005ULL + 1442695040888963407ULL; return state >> 11; };
    for (int i = 0; i < 20000; ++i) {
        const double mantissa = double(next() % 100000000) / 100; // cents, as prices and rates are written
        const double factor = double(next() % 2000) / 1000;       // a labour factor or rate
        values.push_back(mantissa * factor);
        values.push_back(-mantissa / double(1 + next() % 97));
        values.push_back(mantissa * 1.1 * 20000);
    }
    for (const double v : values) {
        char16_t buffer[64];
        const int n = shortestTo(v, buffer);
        ASSERT_EQ(QString::fromUtf16(buffer, n), shortest(v)) << v;
        ASSERT_EQ(roundEven(v), std::nearbyint(v)) << v;
        ASSERT_EQ(truncate(v), std::trunc(v)) << v;
        const double away = v >= 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5);
        ASSERT_EQ(roundHalfAway(v), away) << v;
    }
}
