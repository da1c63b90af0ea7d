#include <gtest/gtest.h>

#include "base/journal.h"
#include "fixtures.h"

TEST(Journal, CaptureTakesEachLineWhole) {
  CaptureJournal capture;
  journal("Terrain crée");
  journal("");
  ASSERT_EQ(capture.lignes().size(), 2u);
  EXPECT_EQ(capture.lignes()[0], "Terrain crée");
  EXPECT_EQ(capture.lignes()[1], "");
}
