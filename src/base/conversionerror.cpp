#include "base/conversionerror.h"

ConversionError::ConversionError(QString text, Kind kind)
    : m_text(std::move(text)), m_kind(kind), m_what(message().toStdString())
{
}

QString ConversionError::message() const
{
    if (m_kind == Kind::Count)
        return u"'%1' は件数として有効な値ではありません（ファイルにある記録の数と合いません）"_qs.arg(m_text);
    if (m_kind == Kind::Integer)
        return u"'%1' は有効な整数値ではありません"_qs.arg(m_text);
    return u"'%1' は有効な浮動小数点値ではありません"_qs.arg(m_text);
}
