// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cp1252.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

class UndoTest : public testing::ProgramTest {
 protected:
  void SetUp() override {
    program.start();
    program.workshop().working().replace("neu\r\n");
    program.workshop().working().replaceUndoCopy("alt\r\n");
  }
};

TEST_F(UndoTest, UndoTwiceRestoresBothTexts) {
  Workshop& w = program.workshop();
  w.invoke("qvl_undo_Click");
  EXPECT_EQ(w.working().text(), "alt\r\n");
  EXPECT_EQ(w.working().undoCopy(), "neu\r\n");
  w.invoke("qvl_undo_Click");
  EXPECT_EQ(w.working().text(), "neu\r\n");
  EXPECT_EQ(w.working().undoCopy(), "alt\r\n");
  EXPECT_EQ(w.clog.text(), "08:09:10: undo\r\n08:09:10: undo\r\n");
}

TEST_F(UndoTest, UndoWithAnEmptyCopyEmptiesTheText) {
  Workshop& w = program.workshop();
  w.working().replaceUndoCopy({});
  w.invoke("qvl_undo_Click");
  EXPECT_EQ(w.working().text(), "");
  EXPECT_EQ(w.working().undoCopy(), "neu\r\n");
}

TEST_F(UndoTest, MemoryClearEmptiesTextAndCopy) {
  Workshop& w = program.workshop();
  w.invoke("qvl_memdel_Click");
  EXPECT_EQ(w.working().text(), "");
  EXPECT_EQ(w.working().undoCopy(), "");
  EXPECT_EQ(w.clog.text(), cp("08:09:10: Speicher gelöscht\r\n"));
  EXPECT_EQ(w.STBC.text(), "Daten: 0 Bytes");
}

}  // namespace
}  // namespace brimlet
