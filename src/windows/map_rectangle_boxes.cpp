// Shared pieces of the windows over a rectangle of the map.
#include "windows/map_rectangle_boxes.h"

#include "core/file_names.h"
#include "core/text_helpers.h"
#include "mapview/render/map_viewport.h"
#include "world/map.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <tuple>

namespace korvane {

MapViewPreset PresetFromView(const MapViewport& view, int drawOptions)
{
    MapViewPreset preset;
    preset.options = drawOptions;
    preset.level = view.ViewLevel;
    preset.left = view.ViewLeft;
    preset.top = view.ViewTop;
    preset.right = view.ViewLeft + view.ViewCols - 2;
    preset.bottom = view.ViewTop + view.ViewRows - 2;
    preset.scale = view.Zoom;
    return preset;
}

void CoupleSwitches(QCheckBox* base, QCheckBox* detail)
{
    QObject::connect(detail, &QCheckBox::toggled, base, [base](bool on) {
        if (on)
            base->setChecked(true);
    });
    QObject::connect(base, &QCheckBox::toggled, detail, [detail](bool on) {
        if (!on)
            detail->setChecked(false);
    });
}

QLineEdit* NumberBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(6);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance("0000000") + 12);
    return box;
}

RectangleBoxes RectangleBoxes::Add(QGridLayout* layout, QWidget* parent)
{
    RectangleBoxes boxes;
    const std::tuple<QLineEdit**, const char*, const char*> rows[] = {
        {&boxes.txtLeft, "txtLeft", "Left (X)"},
        {&boxes.txtTop, "txtTop", "Top (Y)"},
        {&boxes.txtRight, "txtRight", "Right"},
        {&boxes.txtBottom, "txtBottom", "Bottom"},
    };
    int row = 0;
    for (const auto& [box, name, caption] : rows) {
        *box = NumberBox(name, parent);
        auto* label = new QLabel(caption, parent);
        label->setBuddy(*box);
        layout->addWidget(label, row, 0);
        layout->addWidget(*box, row++, 1);
    }
    return boxes;
}

void RectangleBoxes::Show(int left, int top, int right, int bottom) const
{
    txtLeft->setText(QString::number(left));
    txtTop->setText(QString::number(top));
    txtRight->setText(QString::number(right));
    txtBottom->setText(QString::number(bottom));
}

void RectangleBoxes::ShowWholeMap() const
{
    Show(0, 0, TMap::kMaxX, TMap::kMaxY);
}

std::string FileDialogStart(const std::string& typedName, const std::string& programDir)
{
    const std::string name = TypedFileName(typedName, programDir);
    return name.empty() ? programDir : name;
}

std::string TypedFileName(const std::string& typedName, const std::string& programDir)
{
    return QualifyFileName(TrimSpaces(typedName), programDir);
}

}  // namespace korvane
