#pragma once
// The decimals setting "µ=0;m=3;k=1;F=3": decimals per unit prefix, "F" for the recording file.

#include <QString>

namespace sondalog {

/// The number characters of the entry for `key` (positional lookup); empty when it gives none.
QString DecimalsFor(const QString& setting, const QString& key);

}  // namespace sondalog
