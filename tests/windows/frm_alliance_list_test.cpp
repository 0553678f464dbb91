// The alliance picker: a line chosen with Select or a double click, nothing on Cancel.
#include "windows/frm_alliance_list.h"

#include "people/alliance_list.h"
#include "support/qt_printers.h"
#include "windows/modal_driver.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace korvane {
namespace {

class AllianceListWindow : public ::testing::Test
{
protected:
    AllianceListWindow()
    {
        for (const char* name : {"North", "South", "West"}) {
            auto alliance = std::make_unique<TAlliance>();
            alliance->Name = name;
            alliances.Add(std::move(alliance));
        }
        picker = std::make_unique<TfrmAllianceList>(alliances, nullptr);
    }

    /// Runs the picker modally, as its opener does, with `act` inside it; the result of exec().
    int Run(std::function<void(TfrmAllianceList*)> act)
    {
        testing::WhenModalShown<TfrmAllianceList>(std::move(act));
        return picker->exec();
    }
    static QListWidget* List(TfrmAllianceList* w) { return w->findChild<QListWidget*>("lstAlliances"); }
    static QPushButton* Button(TfrmAllianceList* w, const char* name) { return w->findChild<QPushButton*>(name); }
    static QPoint Line(TfrmAllianceList* w, int row) { return List(w)->visualItemRect(List(w)->item(row)).center(); }

    TAllianceList alliances;
    std::unique_ptr<TfrmAllianceList> picker;
};

TEST_F(AllianceListWindow, SelectPicksTheLineAndNothingHappensWithoutOne)
{
    ASSERT_EQ(List(picker.get())->count(), 3);
    EXPECT_EQ(List(picker.get())->item(2)->text(), "West");
    const int result = Run([](TfrmAllianceList* w) {
        EXPECT_FALSE(Button(w, "cmdSelect")->isEnabled()) << "nothing is selected yet";
        QTest::keyClick(w, Qt::Key_Return);
        EXPECT_TRUE(w->isVisible());
        QTest::mouseClick(List(w)->viewport(), Qt::LeftButton, {}, Line(w, 1));
        QTest::mouseClick(Button(w, "cmdSelect"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(picker->PickedAlliance(), alliances.Items(1));
}

TEST_F(AllianceListWindow, DoubleClickPicksAndCancelPicksNothingEvenWithALineSelected)
{
    EXPECT_EQ(Run([](TfrmAllianceList* w) {
                  QTest::mouseClick(List(w)->viewport(), Qt::LeftButton, {}, Line(w, 2));
                  QTest::mouseDClick(List(w)->viewport(), Qt::LeftButton, {}, Line(w, 2));
              }),
              QDialog::Accepted);
    EXPECT_EQ(picker->PickedAlliance(), alliances.Items(2));

    picker = std::make_unique<TfrmAllianceList>(alliances, nullptr);
    EXPECT_EQ(Run([](TfrmAllianceList* w) {
                  QTest::mouseClick(List(w)->viewport(), Qt::LeftButton, {}, Line(w, 0));
                  QTest::mouseClick(Button(w, "cmdCancel"), Qt::LeftButton);
              }),
              QDialog::Rejected);
    EXPECT_EQ(picker->PickedAlliance(), nullptr);
}

}  // namespace
}  // namespace korvane
