#pragma once

#include "output/pagecanvas.h"

#include <QGuiApplication>

#include <vector>

// A page canvas that records every drawing call with its page, so that tests check what the
// layout draws where, in which size and style.
class RecordingCanvas : public PageCanvas
{
public:
    struct Call {
        enum Kind { Text, Line, Rectangle, Ellipse } kind;
        int page;
        int x1, y1, x2, y2;
        QString text;
        PrintFont font;
        int pen = 0;
        bool opaque = false;
        QColor color;
    };

    std::vector<Call> calls;
    int page = 1;

    void text(int x, int y, const QString &text, const PrintFont &font, bool opaque) override
    {
        calls.push_back({Call::Text, page, x, y, 0, 0, text, font, 0, opaque, font.color});
    }
    void line(int x1, int y1, int x2, int y2, int pen, const QColor &color) override
    {
        calls.push_back({Call::Line, page, x1, y1, x2, y2, {}, {}, pen, false, color});
    }
    void rectangle(int left, int top, int right, int bottom, int pen) override
    {
        calls.push_back({Call::Rectangle, page, left, top, right, bottom, {}, {}, pen, false, Qt::black});
    }
    void ellipse(int left, int top, int right, int bottom, int pen, const QColor &color) override
    {
        calls.push_back({Call::Ellipse, page, left, top, right, bottom, {}, {}, pen, false, color});
    }
    void newPage() override { ++page; }

    // The first text call with exactly this text (on `onPage`, or on any page when 0).
    const Call *find(const QString &text, int onPage = 0) const
    {
        for (const Call &c : calls)
            if (c.kind == Call::Text && c.text == text && (onPage == 0 || c.page == onPage))
                return &c;
        return nullptr;
    }
    // The first text call containing `part`.
    const Call *findContaining(const QString &part, int onPage = 0) const
    {
        for (const Call &c : calls)
            if (c.kind == Call::Text && c.text.contains(part) && (onPage == 0 || c.page == onPage))
                return &c;
        return nullptr;
    }
    // Text calls drawn at y on a page (the texts of one row).
    std::vector<Call> textsAt(int y, int onPage) const
    {
        std::vector<Call> found;
        for (const Call &c : calls)
            if (c.kind == Call::Text && c.page == onPage && c.y1 == y && !c.text.isEmpty())
                found.push_back(c);
        return found;
    }
    int count(Call::Kind kind, int onPage = 0) const
    {
        int n = 0;
        for (const Call &c : calls)
            n += c.kind == kind && (onPage == 0 || c.page == onPage) ? 1 : 0;
        return n;
    }
};

// Painting with fonts needs a QGuiApplication (offscreen in the tests); one for the whole run.
inline void ensureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "core_tests";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}
