#include "output/fontfaces.h"

#include <QFont>

namespace fontfaces {

void install()
{
    static const bool installed = [] {
        const std::pair<const char16_t *, const char16_t *> faces[] = {
            {u"ＭＳ 明朝", u"IPAMincho"},     {u"ＭＳ Ｐ明朝", u"IPAPMincho"},
            {u"ＭＳ ゴシック", u"IPAGothic"}, {u"ＭＳ Ｐゴシック", u"IPAPGothic"},
            {u"MS Mincho", u"IPAMincho"},     {u"MS PMincho", u"IPAPMincho"},
            {u"MS Gothic", u"IPAGothic"},     {u"MS PGothic", u"IPAPGothic"},
        };
        for (const auto &[windows, ipa] : faces)
            QFont::insertSubstitution(QString::fromUtf16(windows), QString::fromUtf16(ipa));
        return true;
    }();
    (void)installed;
}

} // namespace fontfaces
