#pragma once
// A frame strip: equal-sized opaque pictures drawn by index, counted from 0. A strip made from a
// source (the program's embedded frames) decodes its frames when one is first needed and gives
// them back while its window is hidden, so that a hidden screen holds no frames. On a desktop
// scaled above 1 it takes the frames painted at twice their size, which the source gives for a
// scale of 2, and draws them at the frame's logical size.

#include "platform/Canvas.h"
#include "platform/Component.h"
#include "platform/Types.h"

#include <functional>
#include <vector>

class TImageList : public TComponent {
public:
    // The frames painted at a scale (1 or 2): `scale` times the strip's width and height.
    using Source = std::function<std::vector<TPixels>(int scale)>;
    TImageList(TForm* owner, int width, int height, Source source = {});
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    // Adds a frame; a frame of another size is refused.
    bool Add(TPixels frame);
    // Draws frame `index` with its top-left corner at (x, y). An index outside the strip draws
    // nothing: an animation that runs past its last frame must not read beyond the strip.
    void Draw(TCanvas& canvas, int x, int y, int index) const;
    // A frame as stored: at the strip's size, or twice it on a scaled desktop.
    const TPixels& Frame(int index) const;
    // Whether the frames of a strip with a source are in memory now.
    bool Decoded() const { return loaded_; }

protected:
    void OwnerHidden() override;

private:
    void Load() const;
    int width_;
    int height_;
    Source source_;
    mutable std::vector<TPixels> frames_;
    mutable bool loaded_ = false;
};
