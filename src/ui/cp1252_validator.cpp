#include "ui/cp1252_validator.h"

#include "engine/text.h"

namespace pennant {

QValidator::State Cp1252Validator::validate(QString& input, int&) const {
    return fitsCp1252(input.toStdString()) ? Acceptable : Invalid;
}

}  // namespace pennant
