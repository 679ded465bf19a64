// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names listed as Spanish writes them: "reloj, NRZ y AMI".

#include <QStringList>

namespace formatos {

QString enumerar(const QStringList& nombres);

} // namespace formatos
