// Keeps typed text to what the log and slip files can hold: characters
// Windows-1252 has. Anything else is refused as it is typed, instead of
// turning into '?' later without a word.
#pragma once

#include <QValidator>

namespace pennant {

class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace pennant
