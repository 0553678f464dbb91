// Texts stored in comma-separated lines (hex details, battle units): " ' and , would end a field
// early or be taken for quoting, so they never get in, typed or pasted; a text that came from
// a hand-written file loses them at its first edit.
#pragma once

#include <QValidator>

namespace korvane {

class FreeTextValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};

}  // namespace korvane
