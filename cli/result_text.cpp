#include "cli/result_text.h"

#include <QByteArray>
#include <QLocale>

#include "engine/number_text.h"

std::string DoubleText(double value)
{
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest).toStdString();
}

std::string LimitText(double value)
{
    const float single = NarrowToFloat(value);
    return static_cast<double>(single) == value ? ShortestFloatText(single) : DoubleText(value);
}
