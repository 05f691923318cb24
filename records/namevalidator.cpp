// The name box's validator: the name rules applied to every edit.
#include "records/namevalidator.h"

#include "records/playername.h"

QValidator::State NameValidator::validate(QString &input, int &pos) const
{
    qsizetype cursor = pos;
    input = fitName(input, cursor);
    pos = static_cast<int>(cursor);
    return Acceptable;
}
