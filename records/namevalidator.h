// Keeps the name box to what a name may hold, typed or pasted.
#pragma once

#include <QValidator>

class NameValidator : public QValidator
{
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};
