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
    /// Asks for a colour for the selected terrain and stores it. A terrain the colour list has
    /// no entry for cannot be given one (the list is never extended), so nothing is asked.
    void SelectColour();
    void RefreshFromMap() override;

private:
    void BuildSwatches();
    void PaintSwatch(int terrain, QPainter& painter, const QRect& box) const;
    bool SelectedHasColourEntry() const;
    void UpdateSelColour();
    std::vector<QString> TerrainNames() const;

    TMap& map_;
    QWidget* pnlMain;
    QPushButton* cmdSelColour;
    std::vector<KeySwatch*> swatches_;
    int selected_ = -1;
};

}  // namespace korvane
