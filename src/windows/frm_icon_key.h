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
    void RefreshFromMap() override;

protected:
    int SelectedColourEntry() const override;
    std::int32_t EntryColour(int feature) const override;
    void SetEntryColour(int feature, std::int32_t colour) override;

private:
    void PaintStyle(int style, QPainter& painter, const QRect& box) const;
    void PaintFeature(int feature, QPainter& painter, const QRect& box) const;
    void MarkStyle(int style);
    void UpdateSelColour();

    TMap& map_;
    QPushButton* cmdSelColour;
    std::array<KeySwatch*, kStyleSwatches> styles_{};
    std::array<KeySwatch*, kFeatures> features_{};
    int selectedFeature_ = -1;
    int markedStyle_ = -1;
};

}  // namespace korvane
