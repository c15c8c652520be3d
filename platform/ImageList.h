#pragma once
// A frame strip: equal-sized opaque pictures drawn by index, counted from 0.

#include "platform/Canvas.h"
#include "platform/Component.h"
#include "platform/Types.h"

#include <vector>

class TImageList : public TComponent {
public:
    TImageList(TForm* owner, int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(frames_.size()); }
    // Adds a frame; a frame of another size is refused.
    bool Add(TPixels frame);
    // Draws frame `index` with its top-left corner at (x, y). An index outside the strip draws
    // nothing: an animation that runs past its last frame must not read beyond the strip.
    void Draw(TCanvas& canvas, int x, int y, int index) const;
    const TPixels& Frame(int index) const { return frames_.at(index); }

private:
    int width_;
    int height_;
    std::vector<TPixels> frames_;
};
