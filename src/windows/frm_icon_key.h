// TfrmIconKey: the "Feature Icons" tool window, where the player chooses the shape and colour
// of the settlement, gate, shaft and "other" icons of the map.
#pragma once

#include "windows/key_swatch.h"

#include <array>

class QPushButton;

namespace korvane {

class TMap;

class TfrmIconKey : public KeyToolWindow
{
    Q_OBJECT

public:
    /// Style swatches, of which the first kIconStyleCount show a style.
    static constexpr int kStyleSwatches = 20;
    static constexpr int kFeatures = 6;

    /// A tool window of `owner`, so it stays above it; the "City" feature selected.
    TfrmIconKey(TMap& map, QWidget* owner);

    /// The selected feature, a MapIconIndex.
    int SelectedFeature() const { return selectedFeature_; }
    /// Moves the selection to `feature` (a MapIconIndex; others change nothing) and marks the
    /// style it has.
    void SelectFeature(int feature);
    /// Gives the selected feature icon `style` (0 to kIconStyleCount - 1; others change nothing).
    void SelectStyle(int style);
    /// Asks for a colour for the selected feature and stores it; nothing is asked for a feature
    /// the icon list has no entry for, as that could not be kept.
    void SelectColour();
    void RefreshFromMap() override;

private:
    void PaintStyle(int style, QPainter& painter, const QRect& box) const;
    void PaintFeature(int feature, QPainter& painter, const QRect& box) const;
    void MarkStyle(int style);
    bool SelectedHasEntry() const;
    void UpdateSelColour();

    TMap& map_;
    QPushButton* cmdSelColour;
    std::array<KeySwatch*, kStyleSwatches> styles_{};
    std::array<KeySwatch*, kFeatures> features_{};
    int selectedFeature_ = -1;
    int markedStyle_ = -1;
};

}  // namespace korvane
