#include "platform/ImageList.h"

TImageList::TImageList(TForm* owner, int width, int height, Source source)
    : TComponent(owner), width_(width), height_(height), source_(std::move(source)) {}

void TImageList::Load() const {
    if (loaded_ || !source_)
        return;
    loaded_ = true;
    for (TPixels& frame : source_())
        if (frame.Width == width_ && frame.Height == height_)
            frames_.push_back(std::move(frame));
}

int TImageList::Count() const {
    Load();
    return static_cast<int>(frames_.size());
}

bool TImageList::Add(TPixels frame) {
    if (frame.Width != width_ || frame.Height != height_)
        return false;
    frames_.push_back(std::move(frame));
    return true;
}

const TPixels& TImageList::Frame(int index) const {
    Load();
    return frames_.at(static_cast<std::size_t>(index));
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count())
        return;
    canvas.Draw(x, y, frames_[static_cast<std::size_t>(index)]);
}

void TImageList::OwnerHidden() {
    // Frames added one by one have nowhere to come back from; they stay.
    if (!source_)
        return;
    frames_.clear();
    frames_.shrink_to_fit();
    loaded_ = false;
}
