#pragma once

#include "base/scriptedhost.h"
#include "catalog/materiallist.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "storage/textfile.h"
#include "storagetesting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Failure messages show texts as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// A program folder with a material data folder inside it, both temporary, and a document whose
// paths point at them. The current item is row 2 of a small item table.
struct CatalogFixture {
    QTemporaryDir dir;
    EstimateDocument doc;
    ScriptedHost host;

    CatalogFixture()
    {
        QDir(dir.path()).mkdir(u"data"_qs);
        doc.strFilePath = dir.path() + u'/';
        doc.strFilePath2 = dir.path() + u"/data/"_qs;
        doc.items.setRowCount(4);
        doc.items.setCell(itemcol::Name, 2, u"1-1.照明器具設置工事"_qs);
        doc.items.setCell(itemcol::Unregistered, 2, u"1"_qs);
        doc.tree_count = 3;
        doc.nodrow = 2;
        doc.koumokumei = u"1-1.照明器具設置工事"_qs;
        doc.controls.Label18.text = doc.koumokumei;
    }

    QString program(const QString &name) const { return doc.strFilePath + name; }
    QString data(const QString &name) const { return doc.strFilePath2 + name; }

    void write(const QString &path, const QStringList &lines)
    {
        ASSERT_TRUE(textfile::writeLines(path, lines).ok()) << path.toStdString();
    }

    // A material list held in memory as if loaded from `name`.
    void setList(const QStringList &lines, const QString &name = u"list.txt"_qs)
    {
        TextGrid &list = doc.catalog.list;
        list = TextGrid(materiallist::columns, 1 + int(lines.size()));
        list.setRow(0, materiallist::titles());
        for (int i = 0; i < lines.size(); ++i)
            list.setRow(i + 1, lines[i].split(u','));
        doc.catalog.Filename = data(name);
    }

    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 1; r < doc.catalog.list.rowCount(); ++r)
            out.append(doc.catalog.list.cell(c, r));
        return out;
    }

    bool shown(const QString &text) const
    {
        for (const QString &m : host.messageTexts())
            if (m.contains(text))
                return true;
        return false;
    }
};
