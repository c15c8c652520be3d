#include "platform/ImageList.h"

#include "platform/Screen.h"

namespace {
// The scale of the painted frames a surface of the screen's ratio takes: the frames painted at
// twice their size serve every ratio above 1, scaled down smoothly below 2 and up above it.
constexpr int FineScale = 2;
int FrameScaleFor(double ratio) {
    return ratio > 1.0 ? FineScale : 1;
}
} // namespace

TImageList::TImageList(TForm* owner, int width, int height, Source source)
    : TComponent(owner), width_(width), height_(height), source_(std::move(source)) {}

void TImageList::Load() const {
    if (loaded_ || !source_)
        return;
    loaded_ = true;
    for (int scale : {FrameScaleFor(Screen.PixelRatio), 1}) {
        for (TPixels& frame : source_(scale))
            if (frame.Width == width_ * scale && frame.Height == height_ * scale)
                frames_.push_back(std::move(frame));
        if (!frames_.empty())
            return;
    }
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
    canvas.StretchDraw({x, y, x + width_, y + height_}, frames_[static_cast<std::size_t>(index)]);
}

void TImageList::OwnerHidden() {
    // Frames added one by one have nowhere to come back from; they stay.
    if (!source_)
        return;
    frames_.clear();
    frames_.shrink_to_fit();
    loaded_ = false;
}
