#include <gtest/gtest.h>

#include <QProgressBar>

#include "CProgressDlg.h"

TEST(ProgressDlg, ShowsTextsAndBarsOnlyAtRefresh) {
    QWidget owner;
    owner.show();
    CProgressDlg progress;
    progress.Create(&owner);
    EXPECT_FALSE(progress.isVisible());

    progress.Reset();
    progress.SetCaption("Upgrade List");
    progress.m_strLine1 = "Connecting...";
    progress.m_ctlStepBar.SetRange(0, 4);
    progress.m_ctlStepBar.SetPos(3);
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(progress.ShownLine1(), "");

    progress.Refresh();
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.windowTitle(), "Upgrade List");
    EXPECT_EQ(progress.ShownLine1(), "Connecting...");
    EXPECT_EQ(progress.StepBarView()->value(), 3);
    EXPECT_EQ(progress.StepBarView()->maximum(), 4);

    progress.m_strLine2 = "not yet";
    EXPECT_EQ(progress.ShownLine2(), "");
    progress.Hide();
    EXPECT_FALSE(progress.isVisible());

    // A second operation starts from nothing of the first.
    progress.Reset();
    EXPECT_EQ(progress.windowTitle(), "");
    EXPECT_EQ(progress.ShownLine1(), "");
    EXPECT_EQ(progress.m_strLine2, "");
    progress.m_ctlTotalBar.SetPos(5);
    progress.Refresh();
    // An upper limit of 0 shows an empty bar, never a busy one.
    EXPECT_EQ(progress.TotalBarView()->value(), 0);
    EXPECT_GT(progress.TotalBarView()->maximum(), 0);
}
