#include "phase/FrameStrip.h"

#include "assets/Assets.h"

#include <utility>

TFrameStrip::TFrameStrip(TForm* owner, std::string asset, int width, int height)
    : TComponent(owner), asset_(std::move(asset)), width_(width), height_(height) {}

void TFrameStrip::Decode() {
    if (!frames_.empty())
        return;
    frames_ = Assets::Strip(asset_);
    // A frame of another size would draw outside its place; such a strip shows nothing.
    for (const TPixels& frame : frames_)
        if (frame.Width != width_ || frame.Height != height_) {
            frames_.clear();
            return;
        }
}

int TFrameStrip::Count() {
    Decode();
    return static_cast<int>(frames_.size());
}

const TPixels& TFrameStrip::Frame(int index) {
    Decode();
    return frames_.at(static_cast<std::size_t>(index));
}

void TFrameStrip::Draw(TCanvas& canvas, int x, int y, int index) {
    if (index < 0 || index >= Count())
        return;
    canvas.Draw(x, y, frames_[static_cast<std::size_t>(index)]);
}

void TFrameStrip::Release() {
    frames_.clear();
    frames_.shrink_to_fit();
}
