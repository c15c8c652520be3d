#include "platform/Jpeg.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio> // jpeglib.h uses FILE without including it
#include <new>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg's own error manager prints to stderr and ends the process on any error. The program
// decodes only its own embedded data, but a damaged build must show an empty picture, not vanish,
// so every error and every warning jumps back to the caller of libjpeg instead.
struct TErrorManager {
    jpeg_error_mgr Base; // first member: libjpeg hands back a pointer to it
    std::jmp_buf JumpBack;
};

[[noreturn]] void JumpOnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<TErrorManager*>(cinfo->err);
    std::longjmp(err->JumpBack, 1);
}

// Level -1 is a warning about the data itself (premature end, corrupt entropy data, extraneous
// bytes). libjpeg would go on and fill the rest with grey; a half-grey picture would only hide a
// damaged asset, so a warning fails the whole call. Levels 0 and up are trace output: ignored.
void JumpOnWarning(j_common_ptr cinfo, int msg_level) {
    if (msg_level < 0) {
        JumpOnError(cinfo);
    }
}

void OutputNothing(j_common_ptr) {}

jpeg_error_mgr* InstallErrorManager(TErrorManager& err) {
    jpeg_error_mgr* base = jpeg_std_error(&err.Base);
    base->error_exit = JumpOnError;
    base->emit_message = JumpOnWarning;
    base->output_message = OutputNothing;
    return base;
}

// A header claiming more pixels than this is damaged: the program's largest picture has under a
// million. The limit keeps a forged size from turning into a multi-gigabyte allocation.
constexpr std::uint64_t MaxDecodedPixels = std::uint64_t{1} << 26;

// Everything between setjmp and a possible longjmp lives in this frame or in the caller's objects
// passed by reference, which a longjmp leaves intact; only libjpeg's C frames are skipped.
bool DecodeInto(jpeg_decompress_struct& cinfo, TErrorManager& err,
                std::span<const std::uint8_t> data, TPixels& out, std::vector<JSAMPLE>& row) {
    if (setjmp(err.JumpBack) != 0) {
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    const std::uint64_t pixels = std::uint64_t{cinfo.image_width} * cinfo.image_height;
    if (pixels == 0 || pixels > MaxDecodedPixels) {
        return false;
    }
    // libjpeg converts both YCbCr and greyscale to RGB; CMYK files fail here with an error.
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
        return false;
    }
    const int width = static_cast<int>(cinfo.output_width);
    const int height = static_cast<int>(cinfo.output_height);
    out = TPixels(width, height);
    row.resize(static_cast<std::size_t>(width) * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) {
            return false;
        }
        const JSAMPLE* s = row.data();
        std::uint32_t* d = &out.at(0, y);
        for (int x = 0; x < width; ++x, s += 3) {
            d[x] = 0xFF000000u | (std::uint32_t{s[0]} << 16) | (std::uint32_t{s[1]} << 8) |
                   std::uint32_t{s[2]};
        }
    }
    // Reading up to the end marker is what notices a file cut off after its last scan.
    jpeg_finish_decompress(&cinfo);
    return true;
}

// A destination that grows a std::vector, so that the output has one owner whatever happens;
// libjpeg's memory destination leaves its buffer dangling when an error interrupts it.
struct TVectorDestination {
    jpeg_destination_mgr Base; // first member: libjpeg hands back a pointer to it
    std::vector<std::uint8_t>* Out;
};

constexpr std::size_t FirstOutputSize = 64 * 1024;

void ResizeOrFail(j_compress_ptr cinfo, std::vector<std::uint8_t>& v, std::size_t size) {
    bool failed = false;
    try {
        v.resize(size);
    } catch (const std::bad_alloc&) {
        failed = true;
    }
    // Outside the handler: jumping out of a catch block would leak the exception object.
    if (failed) {
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    }
}

void InitDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<TVectorDestination*>(cinfo->dest);
    ResizeOrFail(cinfo, *dest->Out, FirstOutputSize);
    dest->Base.next_output_byte = dest->Out->data();
    dest->Base.free_in_buffer = dest->Out->size();
}

boolean GrowDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<TVectorDestination*>(cinfo->dest);
    // libjpeg calls this only with the whole buffer full, whatever free_in_buffer says.
    const std::size_t used = dest->Out->size();
    ResizeOrFail(cinfo, *dest->Out, used * 2);
    dest->Base.next_output_byte = dest->Out->data() + used;
    dest->Base.free_in_buffer = dest->Out->size() - used;
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<TVectorDestination*>(cinfo->dest);
    dest->Out->resize(dest->Out->size() - dest->Base.free_in_buffer);
}

bool EncodeFrom(jpeg_compress_struct& cinfo, TErrorManager& err, TVectorDestination& dest,
                const TPixels& pixels, int quality, bool greyscale, std::vector<JSAMPLE>& row) {
    if (setjmp(err.JumpBack) != 0) {
        return false;
    }
    jpeg_create_compress(&cinfo);
    dest.Base.init_destination = InitDestination;
    dest.Base.empty_output_buffer = GrowDestination;
    dest.Base.term_destination = TermDestination;
    cinfo.dest = &dest.Base;

    cinfo.image_width = static_cast<JDIMENSION>(pixels.Width);
    cinfo.image_height = static_cast<JDIMENSION>(pixels.Height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    if (greyscale) {
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    } else {
        cinfo.comp_info[0].h_samp_factor = 1;
        cinfo.comp_info[0].v_samp_factor = 1;
    }
    jpeg_set_quality(&cinfo, quality, TRUE);
    // Optimised Huffman tables cost a second pass in memory and save about a tenth of the size.
    cinfo.optimize_coding = TRUE;

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        const std::uint32_t* s =
            pixels.Data.data() + std::size_t{cinfo.next_scanline} * pixels.Width;
        JSAMPLE* d = row.data();
        for (int x = 0; x < pixels.Width; ++x, d += 3) {
            d[0] = static_cast<JSAMPLE>((s[x] >> 16) & 0xFF);
            d[1] = static_cast<JSAMPLE>((s[x] >> 8) & 0xFF);
            d[2] = static_cast<JSAMPLE>(s[x] & 0xFF);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

} // namespace

TPixels DecodeJpeg(std::span<const std::uint8_t> data) {
    if (data.empty()) {
        return {};
    }
    jpeg_decompress_struct cinfo{};
    TErrorManager err{};
    cinfo.err = InstallErrorManager(err);
    TPixels out;
    std::vector<JSAMPLE> row;
    const bool ok = DecodeInto(cinfo, err, data, out, row);
    jpeg_destroy_decompress(&cinfo);
    if (!ok) {
        return {};
    }
    return out;
}

std::vector<std::uint8_t> EncodeJpeg(const TPixels& pixels, int quality, bool greyscale) {
    if (pixels.Width <= 0 || pixels.Height <= 0 ||
        pixels.Data.size() != static_cast<std::size_t>(pixels.Width) * pixels.Height) {
        return {};
    }
    jpeg_compress_struct cinfo{};
    TErrorManager err{};
    cinfo.err = InstallErrorManager(err);
    std::vector<std::uint8_t> out;
    TVectorDestination dest{};
    dest.Out = &out;
    std::vector<JSAMPLE> row(static_cast<std::size_t>(pixels.Width) * 3);
    const bool ok = EncodeFrom(cinfo, err, dest, pixels, quality, greyscale, row);
    jpeg_destroy_compress(&cinfo);
    if (!ok) {
        return {};
    }
    return out;
}
