// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one pseudo-random source: values uniform in [0, 1), always
// from the same starting state, so two runs that make the same choices get
// the same exercises. Shared by the digits of a proposal and the random code.


float Rnd();

