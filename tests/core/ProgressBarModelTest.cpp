#include <gtest/gtest.h>

#include "ProgressBarModel.h"

TEST(ProgressBarModel, ClampsPositionToTheRange) {
    ProgressBarModel bar;
    bar.SetRange(0, 3);
    bar.SetPos(7);
    EXPECT_EQ(bar.pos(), 3);
    bar.SetPos(-2);
    EXPECT_EQ(bar.pos(), 0);
    bar.SetRange(0, 0);
    bar.SetPos(5);
    EXPECT_EQ(bar.pos(), 0);
}

TEST(ProgressBarModel, StepsAndStartsOverPastTheUpperLimit) {
    ProgressBarModel bar;
    bar.SetRange(0, 3);
    bar.SetStep(1);
    bar.SetPos(0);
    bar.StepIt();
    bar.StepIt();
    bar.StepIt();
    EXPECT_EQ(bar.pos(), 3);
    bar.StepIt();
    EXPECT_EQ(bar.pos(), 0);
}

TEST(ProgressBarModel, KeepsOnlyTheLow16BitsOfTheLimits) {
    ProgressBarModel bar;
    bar.SetRange(0, 65536 + 5);
    EXPECT_EQ(bar.upper(), 5);
    bar.SetRange(0, 65535);
    EXPECT_EQ(bar.upper(), 65535);
}
