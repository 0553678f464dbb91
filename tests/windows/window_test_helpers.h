// Working a window's widgets by their names, as a player would: the window tests' common hands.
#pragma once

#include "windows/modal_driver.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::testing {

using Lines = std::vector<std::string>;

/// The child of `parent` named `name`; a missing one fails the test.
template <typename T = QAbstractButton>
T* Child(const QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

/// The texts of a list's lines, top to bottom.
inline Lines LineTexts(const QListWidget& list)
{
    Lines lines;
    for (int row = 0; row < list.count(); ++row)
        lines.push_back(list.item(row)->text().toStdString());
    return lines;
}

/// Types `text` over what `box` holds, as a player selecting it all first would.
inline void TypeOver(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

/// Answers the next modal file dialog: notes the folder it opened in, then picks `file`, or
/// cancels when `file` is empty.
inline void AnswerFileDialog(QString& openedIn, const std::string& file)
{
    WhenModalShown<QFileDialog>([&openedIn, file](QFileDialog* dialog) {
        openedIn = dialog->directory().absolutePath();
        if (!file.empty())
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(file));
        QMetaObject::invokeMethod(dialog, file.empty() ? "reject" : "accept");
    });
}

/// A test driving one window, whose widgets it finds by name.
class WindowTest : public ::testing::Test
{
protected:
    virtual const QWidget& Window() const = 0;

    template <typename T = QAbstractButton>
    T* Get(const char* name) const
    {
        return Child<T>(Window(), name);
    }
    void Click(const char* button) const { QTest::mouseClick(Get(button), Qt::LeftButton); }
    /// A click on a check box's tick, which a wide box does not have in its middle.
    void Toggle(const char* box) const
    {
        QAbstractButton* tick = Get(box);
        QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(8, tick->height() / 2));
    }
    bool Ticked(const char* box) const { return Get(box)->isChecked(); }
    bool Enabled(const char* name) const { return Get<QWidget>(name)->isEnabled(); }
    /// The names of the ticked boxes and chosen options, in the window's order.
    QString TickedNames() const
    {
        QStringList names;
        for (const QAbstractButton* button : Window().findChildren<QAbstractButton*>()) {
            if (button->isChecked() && (button->inherits("QCheckBox") || button->inherits("QRadioButton")))
                names << button->objectName();
        }
        return names.join(' ');
    }
    QString Text(const char* edit) const { return Get<QLineEdit>(edit)->text(); }
    void Type(const char* edit, const QString& text) const { Get<QLineEdit>(edit)->setText(text); }
    Lines Shown(const char* list) const { return LineTexts(*Get<QListWidget>(list)); }
    /// The name of the widget that has the focus in the window.
    QString Focused() const { return Window().focusWidget() ? Window().focusWidget()->objectName() : QString(); }

    /// The boxes of a rectangle of the map: Left, Top, Right and Bottom.
    void TypeRectangle(const QString& left, const QString& top, const QString& right, const QString& bottom) const
    {
        Type("txtLeft", left);
        Type("txtTop", top);
        Type("txtRight", right);
        Type("txtBottom", bottom);
    }
    QStringList RectangleShown() const
    {
        return {Text("txtLeft"), Text("txtTop"), Text("txtRight"), Text("txtBottom")};
    }
};

}  // namespace korvane::testing
