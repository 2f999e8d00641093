// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>

namespace brimlet::testing {

// The screen the fitting test runs on, from BRIMLET_TEST_SCREEN ("1366x768");
// 1024x768 without it.
inline QSize testScreenSize() {
  const QStringList parts = qEnvironmentVariable("BRIMLET_TEST_SCREEN").split(QLatin1Char('x'));
  if (parts.size() != 2) return {1024, 768};
  return {parts[0].toInt(), parts[1].toInt()};
}

}  // namespace brimlet::testing
