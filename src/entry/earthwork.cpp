#include "entry/earthwork.h"

#include "base/numbers.h"
#include "entry/entryform.h"
#include "entry/entrykeys.h"

namespace earthwork {

namespace {

num::Real valueOf(const QString &text)
{
    return num::isNumber(text) ? num::toNumber(text) : 0;
}

} // namespace

QStringList widths()
{
    return {u"0.3"_qs, u"0.4"_qs, u"0.5"_qs, u"0.6"_qs, u"0.7"_qs, u"0.8"_qs, u"0.9"_qs, u"1"_qs, u"1.5"_qs,
            u"1.6"_qs, u"1.7"_qs, u"1.8"_qs, u"1.9"_qs, u"2.0"_qs, u"2.5"_qs, u"3.0"_qs, u"3.5"_qs, u"4.0"_qs};
}

QStringList depths()
{
    QStringList out;
    for (int tenths = 3; tenths <= 20; ++tenths)
        out.append(QString::number(tenths / 10) + u'.' + QString::number(tenths % 10));
    out << u"2.5"_qs << u"3.0"_qs << u"4.0"_qs << u"5.0"_qs;
    return out;
}

QStringList lengths()
{
    QStringList out;
    for (int m = 1; m <= 100; ++m)
        out.append(QString::number(m));
    for (int m = 105; m <= 200; m += 5)
        out.append(QString::number(m));
    out << u"250"_qs << u"300"_qs;
    return out;
}

QStringList prices()
{
    QStringList out;
    for (int yen = 3000; yen <= 20000; yen += 1000)
        out.append(QString::number(yen));
    return out;
}

void open(EntryForm &f)
{
    f.Panel36 = true;
    f.Edit11.clear();
    f.t_no = 11;
    f.setRed(EntryForm::Panel8);
    f.Edit9 = u"1"_qs;
    calculate(f);
}

void calculate(EntryForm &f)
{
    const num::Real volume = valueOf(f.ComboBox1) * valueOf(f.ComboBox2) * valueOf(f.ComboBox3);
    f.Label58 = num::shortest(volume);
    f.Edit11 = num::shortest(num::roundEven(volume * valueOf(f.ComboBox4)));
    f.Edit6 = entrykeys::formattedPrice(f.Edit11);
}

void close(EntryForm &f)
{
    f.Panel36 = false;
}

} // namespace earthwork
