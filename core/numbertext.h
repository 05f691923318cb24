// The two ways the game writes whole numbers as text.
#pragma once

#include <QString>

// " 12", " 0", "-7": one blank before zero and positive numbers.
inline QString blankSigned(qint64 v)
{
    return v < 0 ? QString::number(v) : u' ' + QString::number(v);
}

// "12", "0", "-7".
inline QString plainDecimal(qint64 v)
{
    return QString::number(v);
}
