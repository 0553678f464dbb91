// Working a window's widgets by their names, as a player would: the window tests' common hands.
#pragma once

#include "windows/modal_driver.h"

#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace korvane::testing {

using Lines = std::vector<std::string>;

/// The child of `parent` named `name`; a missing one fails the test and stops it (MissingWidget).
template <typename T = QAbstractButton>
T* Child(const QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(name);
    if (!widget) {
        ADD_FAILURE() << "no " << T::staticMetaObject.className() << " named " << name;
        throw MissingWidget(name);
    }
    return widget;
}

/// The texts of the lines of a list, list view or combo box, top to bottom, in UTF-8.
template <typename View>
Lines LineTexts(const View* view)
{
    Lines lines;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        lines.push_back(view->model()->index(row, 0).data().toString().toStdString());
    return lines;
}
inline Lines LineTexts(const QListWidget& list)
{
    return LineTexts(&list);
}

/// A click on a line of a list, with `modifier` held; twice for a double click.
inline void ClickLine(QAbstractItemView* view, int row, Qt::KeyboardModifiers modifier = {}, bool twice = false)
{
    const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifier, centre);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, modifier, centre);
}

/// The colour drawn `x` pixels into a line of a list, half way down it.
inline QColor LinePixel(QAbstractItemView* view, int row, int x)
{
    const QRect line = view->visualRect(view->model()->index(row, 0));
    return view->viewport()->grab().toImage().pixelColor(line.left() + x, line.center().y());
}

/// Types `text` over what `box` holds, as a player selecting it all first would.
inline void TypeOver(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

/// Answers the next file dialog: notes the folder it opened in, picks `file` or, when empty, cancels.
inline void AnswerFileDialog(QString& openedIn, const std::string& file)
{
    WhenModalShown<QFileDialog>([&openedIn, file](QFileDialog* dialog) {
        openedIn = dialog->directory().absolutePath();
        if (!file.empty())
            Child<QLineEdit>(*dialog, "fileNameEdit")->setText(QString::fromStdString(file));
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
    Lines Shown(const char* list) const { return LineTexts(Get<QListWidget>(list)); }
    void ClickLine(const char* list, int row, Qt::KeyboardModifiers modifier = {}) const
    {
        ::korvane::testing::ClickLine(Get<QListWidget>(list), row, modifier);
    }
    /// The row of a list's first selected line; -1 when none is.
    int SelectedRow(const char* list) const
    {
        const QList<QListWidgetItem*> selected = Get<QListWidget>(list)->selectedItems();
        return selected.isEmpty() ? -1 : Get<QListWidget>(list)->row(selected.front());
    }
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

/// A WindowTest over a window it owns, made by the test with Open(...).
template <typename W>
class OwnedWindowTest : public WindowTest
{
protected:
    const QWidget& Window() const override { return *window; }
    std::unique_ptr<W> window;
};

}  // namespace korvane::testing
