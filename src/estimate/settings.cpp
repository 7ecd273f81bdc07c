#include "estimate/settings.h"

namespace {
using Text = QString Settings::*;
constexpr Text names[] = {&Settings::Edit32, &Settings::Edit33, &Settings::Edit34, &Settings::Edit35};
constexpr Text rates[] = {&Settings::Edit36, &Settings::Edit37, &Settings::Edit38, &Settings::Edit39};
constexpr Text amounts[] = {&Settings::Edit40, &Settings::Edit41, &Settings::Edit42, &Settings::Edit43};
} // namespace

QString &Settings::extraName(int i) { return this->*names[i]; }
QString &Settings::extraRate(int i) { return this->*rates[i]; }
QString &Settings::extraAmount(int i) { return this->*amounts[i]; }
const QString &Settings::extraName(int i) const { return this->*names[i]; }
const QString &Settings::extraRate(int i) const { return this->*rates[i]; }
const QString &Settings::extraAmount(int i) const { return this->*amounts[i]; }
