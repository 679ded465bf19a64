#pragma once
#include "forms/FormDef.h"


// The help window "ayu" as designed.
forms::FormDef ayuForm();

