#pragma once

#include <QString>

#include <exception>
#include <string>

// Raised where text that must be a number is not. Each operation catches it where the program's
// behaviour says: silently, keeping the work done so far, or by showing message().
class ConversionError : public std::exception
{
public:
    // Count: a whole number read from a file that the file's own records cannot back (negative, or
    // more than the records present).
    enum class Kind { Number, Integer, Count };

    explicit ConversionError(QString text, Kind kind = Kind::Number);

    const QString &text() const { return m_text; }
    Kind kind() const { return m_kind; }
    // The platform's standard conversion message, naming the offending text.
    QString message() const;
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    QString m_text;
    Kind m_kind;
    std::string m_what;
};
