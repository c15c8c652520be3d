#include "platform/ImageList.h"

TImageList::TImageList(TForm* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height) {}

bool TImageList::Add(TPixels frame) {
    if (frame.Width != width_ || frame.Height != height_)
        return false;
    frames_.push_back(std::move(frame));
    return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count())
        return;
    canvas.Draw(x, y, frames_[static_cast<std::size_t>(index)]);
}
