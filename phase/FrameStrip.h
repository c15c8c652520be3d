#pragma once
// A frame strip of the embedded assets, decoded the first time a frame is asked for and dropped
// again when its screen no longer needs it: a screen that is not shown holds no frames.

#include "platform/Canvas.h"
#include "platform/Component.h"
#include "platform/Types.h"

#include <string>
#include <vector>

class TFrameStrip : public TComponent {
public:
    // `asset` is the strip's name in the assets, "<Screen>.<Strip>"; every frame is
    // width × height pixels.
    TFrameStrip(TForm* owner, std::string asset, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count();
    const TPixels& Frame(int index);
    // Draws frame `index` with its top-left corner at (x, y), every pixel opaque. An index
    // outside the strip draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index);
    // Frees the decoded frames; the next draw decodes them again.
    void Release();
    bool Decoded() const { return !frames_.empty(); }

private:
    void Decode();

    std::string asset_;
    int width_;
    int height_;
    std::vector<TPixels> frames_;
};
