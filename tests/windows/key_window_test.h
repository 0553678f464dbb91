// A shown key window over a map's built-in lists, its colour choices answered from a script.
#pragma once

#include "support/qt_printers.h"
#include "windows/key_swatch.h"
#include "world/map.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace korvane::testing {

template <class KeyWindow>
class KeyWindowTest : public ::testing::Test
{
protected:
    KeyWindowTest()
    {
        key->chooseColour = [this](const QColor& initial, QWidget*) {
            asked.push_back(initial);
            return answer;
        };
        key->show();
    }

    template <typename T = QWidget>
    T* Part(const QString& prefix, int number) const
    {
        return key->template findChild<T*>(prefix + QString::number(number));
    }
    QPushButton* SelColour() const { return key->template findChild<QPushButton*>("cmdSelColour"); }
    /// The colour in the middle of a swatch's picture.
    static QColor Centre(QWidget* box)
    {
        const QImage image = box->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }
    /// Which of the frames `prefix`+(n + offset), n from 0 to count - 1, carry the bevel.
    std::vector<int> Raised(const QString& prefix, int count, int offset = 0) const
    {
        std::vector<int> raised;
        for (int n = 0; n < count; ++n)
            if (Part<QFrame>(prefix, n + offset)->frameShadow() == QFrame::Raised)
                raised.push_back(n);
        return raised;
    }

    TMap map;
    std::unique_ptr<KeyWindow> key = std::make_unique<KeyWindow>(map, nullptr);
    std::optional<QColor> answer;
    std::vector<QColor> asked;
    QSignalSpy changed{key.get(), &KeyToolWindow::MapChanged};
};

}  // namespace korvane::testing
