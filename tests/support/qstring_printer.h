#pragma once

#include <ostream>

#include <QString>

// GoogleTest shows a QString in a failure message as its text, not as bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
