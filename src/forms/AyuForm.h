#pragma once
#include "forms/FormDef.h"

namespace forms {

// The help window "ayu" as designed.
FormDef ayuForm();

} // namespace forms
