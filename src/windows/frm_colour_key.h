// TfrmColourKey: the "Terrain Colours" tool window, where the player sees and chooses the
// fill colour of every terrain.
#pragma once

#include "windows/key_swatch.h"

#include <vector>

class QPushButton;

namespace korvane {

class TMap;

class TfrmColourKey : public KeyToolWindow
{
    Q_OBJECT

public:
    /// A tool window of `owner`, so it stays above it; shows one swatch per terrain of the
    /// map's vocabulary, terrain 0 selected.
    TfrmColourKey(TMap& map, QWidget* owner);

    /// The selected terrain index; -1 only while the vocabulary is empty.
    int SelectedTerrain() const { return selected_; }
    /// Moves the selection to terrain `index`; an index without a swatch changes nothing.
    void SelectTerrain(int index);
    void RefreshFromMap() override;

protected:
    int SelectedColourEntry() const override;
    std::int32_t EntryColour(int terrain) const override;
    void SetEntryColour(int terrain, std::int32_t colour) override;

private:
    void BuildSwatches();
    void PaintSwatch(int terrain, QPainter& painter, const QRect& box) const;
    void UpdateSelColour();
    std::vector<QString> TerrainNames() const;

    TMap& map_;
    QWidget* pnlMain;
    QPushButton* cmdSelColour;
    std::vector<KeySwatch*> swatches_;
    int selected_ = -1;
};

}  // namespace korvane
