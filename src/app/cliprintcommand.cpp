#include "app/cliprintcommand.h"

#include "estimate/document.h"
#include "output/pdfoutput.h"
#include "output/printoptions.h"
#include "output/printrun.h"

#include <QDate>

namespace {

const QString formPrefix = QStringLiteral("TForm5.");

// The page kinds of --pages and the boxes of the print options window they stand for.
struct PageKind {
    const char16_t *name;
    bool PrintOptions::*box;
};
constexpr PageKind pageKinds[] = {
    {u"cover", &PrintOptions::CheckBox1},
    {u"summary", &PrintOptions::CheckBox2},
    {u"detail", &PrintOptions::CheckBox3},
    {u"conditions", &PrintOptions::CheckBox4},
};

// Opens an estimate and runs the print run with the print options window's choices taken from the
// flags and from --set TForm5.NAME=VALUE, writing every page into a PDF file.
class PrintCommand : public CliCommand
{
public:
    QString name() const override { return u"print"_qs; }

    QString usage() const override
    {
        return uR"(  print ESTIMATE --pdf OUT.pdf [--invoice] [--pages cover,summary,detail,conditions]
        [--no-amounts] [--paper A4|B5] [--set TForm5.NAME=VALUE]...
                            print the quotation (or the invoice) of ESTIMATE into OUT.pdf
)"_qs;
    }

    bool paints() const override { return true; }

    QString parse(const QStringList &words) override
    {
        for (qsizetype i = 0; i < words.size(); ++i) {
            QString word = words[i];
            QString value;
            bool hasValue = false;
            if (const qsizetype eq = word.indexOf(u'='); word.startsWith(u"--") && eq > 0) {
                value = word.mid(eq + 1);
                word = word.left(eq);
                hasValue = true;
            }
            const bool takesValue = word == u"--pdf" || word == u"--pages" || word == u"--paper";
            if (takesValue && !hasValue) {
                if (i + 1 >= words.size())
                    return u"option %1 needs a value"_qs.arg(word);
                value = words[++i];
            } else if (!takesValue && hasValue) {
                return u"option %1 takes no value"_qs.arg(word);
            }
            if (word == u"--pdf") {
                m_pdf = value;
            } else if (word == u"--pages") {
                if (QString bad = parsePages(value); !bad.isEmpty())
                    return bad;
            } else if (word == u"--paper") {
                if (value.compare(u"A4", Qt::CaseInsensitive) == 0)
                    m_paper = QPageSize::A4;
                else if (value.compare(u"B5", Qt::CaseInsensitive) == 0)
                    m_paper = QPageSize::JisB5;
                else
                    return u"--paper must be A4 or B5, got \"%1\""_qs.arg(value);
            } else if (word == u"--invoice") {
                m_invoice = true;
            } else if (word == u"--no-amounts") {
                m_noAmounts = true;
            } else if (word.startsWith(u"--")) {
                return u"unknown option %1"_qs.arg(word);
            } else if (m_estimate.isEmpty()) {
                m_estimate = word;
            } else {
                return u"wrong number of arguments for print"_qs;
            }
        }
        if (m_estimate.isEmpty())
            return u"print needs an estimate file"_qs;
        if (m_pdf.isEmpty())
            return u"print needs --pdf OUT.pdf"_qs;
        return {};
    }

    bool takesSet(const QString &name) const override
    {
        return name.startsWith(formPrefix) && printoptions::isControl(name.mid(formPrefix.size()));
    }

    QStringList inputFiles() const override { return {m_estimate}; }

    int run(CliSession &session) override
    {
        session.openEstimate(m_estimate);
        EstimateDocument &doc = session.doc();
        CliHost &host = session.host();
        if (doc.st1count == 0) {
            session.writeError(u"%1 has no estimate lines: nothing to print\n"_qs.arg(m_estimate));
            return 1;
        }
        if (!printrun::ready(doc, host))
            return 1;

        // The print options window as the user would fill it in.
        PrintOptions options;
        doc.patan = 0;
        printoptions::FormShow(doc, options);
        if (m_invoice && !printoptions::Button2Click(doc, host, options, QDate::currentDate()))
            return 1;
        if (m_pages) {
            for (const PageKind &kind : pageKinds)
                options.*kind.box = m_pages->contains(QString::fromUtf16(kind.name));
        }
        if (m_noAmounts)
            options.CheckBox5 = true;
        for (const auto &[name, value] : session.options().sets)
            if (takesSet(name))
                printoptions::setControl(options, name.mid(formPrefix.size()), value);
        if (m_invoice) {
            if (!printoptions::Button5Click(doc, host, options))
                return 1;
            printoptions::Button3Click(doc, options);
        } else {
            printoptions::Button1Click(doc, options);
        }

        if (!pdfoutput::write(doc, host, options, m_pdf, m_paper))
            return 1;
        return session.exitStatus();
    }

private:
    QString parsePages(const QString &list)
    {
        QStringList pages;
        for (const QString &page : list.split(u',', Qt::SkipEmptyParts)) {
            const QString p = page.trimmed();
            bool known = false;
            for (const PageKind &kind : pageKinds)
                known = known || p == QStringView(kind.name);
            if (!known)
                return u"--pages: unknown page kind \"%1\" (cover, summary, detail, conditions)"_qs.arg(p);
            pages.append(p);
        }
        m_pages = pages;
        return {};
    }

    QString m_estimate;
    QString m_pdf;
    bool m_invoice = false;
    bool m_noAmounts = false;
    std::optional<QStringList> m_pages;
    QPageSize::PageSizeId m_paper = QPageSize::A4;
};

} // namespace

std::unique_ptr<CliCommand> makePrintCommand()
{
    return std::make_unique<PrintCommand>();
}
