// Writes the cost-summary template that ships in data/: make_cost_template OUT.xlsx

#include "export/costtemplate.h"
#include "export/workbook.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_cost_template OUT.xlsx\n");
        return 2;
    }
    Workbook book;
    costtemplate::build(book);
    const Status saved = book.save(args[1]);
    if (!saved) {
        std::fprintf(stderr, "%s\n", saved.error().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
