#include "app/clicalccommand.h"

#include "base/numbers.h"
#include "calculator/deskcalculator.h"
#include "calculator/taxratefile.h"

namespace {

// The calculator's state as one tab-separated line: display, st, value1, value2.
QString stateLine(const DeskCalculator &c)
{
    return QStringList{c.display, QString::number(c.st), c.value1, c.value2}.join(u'\t') + u'\n';
}

class CalcCommand : public CliCommand
{
public:
    QString name() const override { return u"calc"_qs; }

    QString usage() const override
    {
        return u"  calc [--labour-price N] [-v] KEY...\n"
               "                            press the desk calculator's keys (captions 0-9 . ＋ － ✕ ÷ ＝\n"
               "                            Ｃ CE ％ 工数 +/- 税込 税抜, or + - * / = C) and print the\n"
               "                            display, st, value1 and value2; -v after every key\n"_qs;
    }

    QString parse(const QStringList &words) override
    {
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString &w = words[i];
            if (w == u"-v") {
                m_verbose = true;
            } else if (w == u"--labour-price" || w.startsWith(u"--labour-price=")) {
                if (w.contains(u'='))
                    m_labourPrice = w.mid(w.indexOf(u'=') + 1);
                else if (i + 1 < words.size())
                    m_labourPrice = words[++i];
                else
                    return u"--labour-price needs a value"_qs;
                if (!num::isNumber(m_labourPrice))
                    return u"--labour-price: not a number: %1"_qs.arg(m_labourPrice);
            } else if (w.startsWith(u"--")) {
                return u"unknown option %1"_qs.arg(w);
            } else if (const std::optional<DeskCalculator::Key> key = DeskCalculator::keyOf(w)) {
                m_keys.append({w, *key});
            } else {
                return u"calc: unknown key \"%1\""_qs.arg(w);
            }
        }
        if (m_keys.isEmpty())
            return u"calc needs at least one key"_qs;
        return {};
    }

    bool needsStandardValues() const override { return false; }

    int run(CliSession &session) override
    {
        bool failed = false;
        DeskCalculator calc;
        calc.labourPrice = m_labourPrice;
        // As the window is shown: the rate from the program folder's file, then "Ｃ".
        const Result<taxratefile::Contents> file = taxratefile::read(session.programFolder());
        if (file) {
            calc.taxRate = file->zei;
        } else {
            session.writeError(file.error() + u'\n');
            failed = true;
        }
        calc.press(DeskCalculator::Key::AllClear);

        for (qsizetype i = 0; i < m_keys.size(); ++i) {
            if (const std::optional<QString> error = calc.press(m_keys[i].key)) {
                session.writeError(u"key %1 (%2): %3\n"_qs.arg(i + 1).arg(m_keys[i].caption, *error));
                failed = true;
            }
            if (m_verbose)
                session.write(stateLine(calc));
        }
        if (!m_verbose)
            session.write(stateLine(calc));
        return failed ? 1 : 0;
    }

private:
    struct Pressed {
        QString caption;
        DeskCalculator::Key key;
    };
    QList<Pressed> m_keys;
    QString m_labourPrice;
    bool m_verbose = false;
};

} // namespace

std::unique_ptr<CliCommand> makeCalcCommand()
{
    return std::make_unique<CalcCommand>();
}
