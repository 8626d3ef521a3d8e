// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI tests run inside a QCoreApplication: the input handler wakes the window thread
// through the application's event loop.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
