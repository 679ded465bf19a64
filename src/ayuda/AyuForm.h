// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "forms/FormDef.h"


// The help window "ayu" as designed.
forms::FormDef ayuForm();

