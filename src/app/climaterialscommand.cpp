#include "app/climaterialscommand.h"

#include "app/cliformat.h"
#include "catalog/catalogfile.h"
#include "catalog/catalogmenu.h"

namespace {

class MaterialsCommand : public CliCommand
{
public:
    QString name() const override { return u"materials"_qs; }

    QString usage() const override
    {
        return u"  materials menu            the menu index grid (9 columns) as shown after start-up\n"
               u"  materials buttons CODE    the button grid of menu CODE after the defaults (title row first)\n"
               u"  materials list CODE [BUTTON]  the material list that button BUTTON (default 1) of menu CODE\n"
               u"                            shows, row 0 the 19 titles, after heading-line removal\n"_qs;
    }

    QString parse(const QStringList &words) override
    {
        for (const QString &w : words)
            if (w.startsWith(u"--"))
                return u"unknown option %1"_qs.arg(w);
        m_what = words.value(0);
        const qsizetype count = words.size();
        const bool shapeOk = (m_what == u"menu" && count == 1) || (m_what == u"buttons" && count == 2)
                             || (m_what == u"list" && (count == 2 || count == 3));
        if (!shapeOk)
            return u"materials: expected menu, buttons CODE or list CODE [BUTTON]"_qs;
        if (count > 1) {
            m_code = words[1];
            if (!catalogfile::isCode(m_code))
                return u"materials: the menu code %1 is not a number"_qs.arg(m_code);
        }
        if (count > 2) {
            bool ok = false;
            m_button = words[2].toInt(&ok);
            if (!ok || m_button < 1 || m_button > 20)
                return u"materials: the button %1 is not 1 to 20"_qs.arg(words[2]);
        }
        return {};
    }

    int run(CliSession &session) override
    {
        EstimateDocument &doc = session.doc();
        CatalogState &k = doc.catalog;
        if (m_what == u"menu") {
            if (catalogmenu::loadMenu(doc, session.host()))
                session.write(cliformat::grid(k.menu, 0, k.menu.rowCount() - 1));
        } else if (catalogmenu::readButtons(doc, session.host(), m_code)) {
            if (m_what == u"buttons")
                session.write(cliformat::grid(k.buttons, 0, k.buttons.rowCount() - 1));
            else if (catalogmenu::loadList(doc, session.host(), m_button))
                session.write(cliformat::grid(k.list, 0, k.list.rowCount() - 1));
        }
        return session.exitStatus();
    }

private:
    QString m_what;
    QString m_code;
    int m_button = 1;
};

} // namespace

std::unique_ptr<CliCommand> makeMaterialsCommand()
{
    return std::make_unique<MaterialsCommand>();
}
