// asset_generator OUTPUT_DIR [--preview=DIR] [NAME=FILE ...]
//
// Paints every output of every screen group into OUTPUT_DIR, then writes OUTPUT_DIR/Assets.S,
// which embeds those files and each NAME=FILE given on the command line (the fonts) as the
// symbols wb_asset_NAME (the bytes) and wb_asset_NAME_size (their count, 64 bits). Pictures are
// one file each; the frame strips go into one archive, embedded as wb_asset_strips. Everything is
// painted twice, at its own size and at twice that: the larger pictures are embedded as
// wb_asset_NAME_2x, the larger strips in their own archive, wb_asset_strips_2x, under the same
// strip names.
//
// With --preview=DIR it also writes every frame of every strip to DIR as
// <Screen>.<Strip>.<frame>.ppm, for looking at them, and the frames at twice the size to DIR/2x.
// A contact sheet of one strip, enlarged four times without smoothing:
//   montage -filter point -resize 400% -tile 10x -geometry +4+4 DIR/ZuTyp1.MkBildung.*.ppm x.png
//
// Every file is rewritten on every run, and Assets.S last: the build reruns the generator only
// when the generator or an embedded input changed, and a fresh Assets.S is what tells it to
// assemble the embedding again. Assets.S appears under its name only once everything else has
// been written, so a failed run never leaves an up-to-date looking Assets.S behind.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "assets/StripCodec.h"
#include "assets/generator/Generator.h"
#include "assets/generator/Icon.h"
#include "platform/Jpeg.h"

namespace {

namespace fs = std::filesystem;

struct TEmbed {
    std::string Name;
    fs::path File;
};

// The groups in the order their outputs appear in the embedding.
constexpr Generator::TOutputs (*Groups[])() = {
    Generator::Backgrounds,    Generator::PhaseDiagrams, Generator::CoolingScreens,
    Generator::C45Micrographs, Generator::SteelSeries,   Generator::ZtuPictures,
    Generator::ProcessRoutes,  Generator::ZtaPictures,
};

// The program's name on the desktop: its icon's, desktop entry's and metadata's file name.
constexpr const char* DesktopId = WB_DESKTOP_ID;

// The archive of all frame strips, embedded under this name.
constexpr const char* StripArchiveName = "strips";

bool Fail(const std::string& message) {
    std::fprintf(stderr, "asset_generator: %s\n", message.c_str());
    return false;
}

// The name of a picture or of the strip archive at a scale: the name itself at scale 1, with
// "_<scale>x" after it at the others.
std::string ScaledName(const std::string& name, int scale) {
    return scale == 1 ? name : name + "_" + std::to_string(scale) + "x";
}

// What a strip or picture at scale 1 looks like from outside: the larger scales must be the same
// number of frames, each exactly `scale` times as wide and high.
struct TShape {
    int Width = 0;
    int Height = 0;
    std::size_t Frames = 0;
};

TShape ShapeOf(const Generator::TFrames& frames) {
    return frames.empty() ? TShape{} : TShape{frames[0].Width, frames[0].Height, frames.size()};
}

bool Scaled(const TShape& own, const TShape& scaled, int scale) {
    return scaled.Frames == own.Frames && scaled.Width == own.Width * scale &&
           scaled.Height == own.Height * scale;
}

std::string ScaleError(const std::string& name, int scale) {
    return name + ": the picture at scale " + std::to_string(scale) +
           " is not that many times the size of the picture at scale 1, or has other frames";
}

bool IsSymbolSuffix(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    for (const char c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) {
            return false;
        }
    }
    return true;
}

// "<Screen>.<Strip>": two non-empty runs of letters and digits joined by one dot.
bool IsStripName(const std::string& name) {
    const auto dot = name.find('.');
    if (dot == 0 || dot == std::string::npos || dot + 1 == name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool alnum =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum && i != dot) {
            return false;
        }
    }
    return true;
}

bool WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out.good() || Fail("cannot write " + path.string());
}

// Encodes and writes one picture under its name; returns the file to embed.
bool ProducePicture(const Generator::TOutput& output, const std::string& name,
                    const TPixels& pixels, const fs::path& dir, fs::path& file) {
    if (pixels.Width <= 0 || pixels.Height <= 0) {
        return Fail(name + ": painted an empty picture");
    }
    const std::vector<std::uint8_t> bytes =
        EncodeJpeg(pixels, output.Quality, output.Kind == Generator::TKind::JpegGrey);
    file = dir / (name + ".jpg");
    if (bytes.empty()) {
        return Fail(name + ": encoding failed");
    }
    return WriteFile(file, bytes);
}

// Binary PPM, which every image tool reads.
bool WritePpm(const fs::path& path, const TPixels& frame) {
    const std::string header =
        "P6\n" + std::to_string(frame.Width) + " " + std::to_string(frame.Height) + "\n255\n";
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    for (const std::uint32_t p : frame.Data) {
        bytes.push_back(static_cast<std::uint8_t>(p >> 16));
        bytes.push_back(static_cast<std::uint8_t>(p >> 8));
        bytes.push_back(static_cast<std::uint8_t>(p));
    }
    return WriteFile(path, bytes);
}

// Encodes one strip into the archive's entries. The encoding is decoded again on the spot: a
// strip that would not come back pixel for pixel fails the build here, not on a screen.
bool ProduceStrip(const Generator::TOutput& output, const Generator::TFrames& frames,
                  const fs::path& preview, std::vector<StripCodec::TEntry>& entries) {
    std::vector<std::uint8_t> bytes = StripCodec::Encode(frames);
    if (bytes.empty()) {
        return Fail(output.Name +
                    ": no frames, frames of different sizes, a transparent pixel "
                    "or more than " +
                    std::to_string(StripCodec::MaxPaletteSize) + " colours");
    }
    const Generator::TFrames decoded = StripCodec::Decode(bytes);
    bool same = decoded.size() == frames.size();
    for (std::size_t i = 0; same && i < frames.size(); ++i) {
        same = decoded[i].Width == frames[i].Width && decoded[i].Data == frames[i].Data;
    }
    if (!same) {
        return Fail(output.Name + ": the strip does not decode to what was painted");
    }
    if (!preview.empty()) {
        for (std::size_t i = 0; i < frames.size(); ++i) {
            // Two digits at least, so that the files sort in frame order.
            const std::string index = (i < 10 ? "0" : "") + std::to_string(i);
            if (!WritePpm(preview / (output.Name + "." + index + ".ppm"), frames[i])) {
                return false;
            }
        }
    }
    entries.push_back({output.Name, std::move(bytes)});
    return true;
}

// A path as a GNU as string literal.
std::string Quoted(const fs::path& path) {
    std::string out = "\"";
    for (const char c : path.string()) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

std::string AssemblerText(const std::vector<TEmbed>& embeds) {
    std::string s = "/* Written by asset_generator. */\n\t.section .rodata\n";
    for (const TEmbed& e : embeds) {
        const std::string symbol = "wb_asset_" + e.Name;
        s += "\n\t.balign 16\n";
        s += "\t.globl " + symbol + "\n\t.hidden " + symbol + "\n";
        s += "\t.type " + symbol + ", @object\n";
        s += symbol + ":\n\t.incbin " + Quoted(fs::absolute(e.File)) + "\n";
        s += ".L" + symbol + "_end:\n";
        s += "\t.size " + symbol + ", .L" + symbol + "_end - " + symbol + "\n";
        s += "\t.balign 8\n";
        s += "\t.globl " + symbol + "_size\n\t.hidden " + symbol + "_size\n";
        s += "\t.type " + symbol + "_size, @object\n";
        s += symbol + "_size:\n\t.quad .L" + symbol + "_end - " + symbol + "\n";
        s += "\t.size " + symbol + "_size, 8\n";
    }
    s += "\n\t.section .note.GNU-stack,\"\",@progbits\n";
    return s;
}

bool Run(int argc, char** argv) {
    if (argc < 2) {
        return Fail("usage: asset_generator OUTPUT_DIR [--preview=DIR] [NAME=FILE ...]");
    }
    const fs::path dir = argv[1];
    const std::string previewOption = "--preview=";
    fs::path preview;
    std::vector<std::string> files;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with(previewOption)) {
            preview = arg.substr(previewOption.size());
        } else {
            files.push_back(arg);
        }
    }
    // The preview of the strips at scale 1 goes to DIR, of the others to DIR/<scale>x.
    auto previewAt = [&](int scale) {
        return preview.empty() || scale == 1 ? preview : preview / (std::to_string(scale) + "x");
    };
    std::vector<fs::path> directories{dir};
    for (const int scale : Generator::Scales) {
        directories.push_back(previewAt(scale));
    }
    std::error_code ec;
    for (const fs::path& d : directories) {
        if (d.empty()) {
            continue;
        }
        fs::create_directories(d, ec);
        if (ec) {
            return Fail("cannot create " + d.string() + ": " + ec.message());
        }
    }

    std::vector<TEmbed> embeds;
    std::set<std::string> names;
    auto addName = [&](const std::string& name) {
        if (!IsSymbolSuffix(name)) {
            return Fail("bad asset name '" + name + "': use a-z, 0-9 and _");
        }
        return names.insert(name).second || Fail("asset name '" + name + "' used twice");
    };

    // The strips of each scale, in the order of Generator::Scales.
    std::vector<std::vector<StripCodec::TEntry>> strips(std::size(Generator::Scales));
    std::set<std::string> stripNames;
    for (const auto group : Groups) {
        for (const Generator::TOutput& output : group()) {
            if (output.Kind == Generator::TKind::Strip) {
                if (!IsStripName(output.Name)) {
                    return Fail("bad strip name '" + output.Name + "': use <Screen>.<Strip>");
                }
                if (!stripNames.insert(output.Name).second) {
                    return Fail("strip name '" + output.Name + "' used twice");
                }
                TShape own;
                for (std::size_t k = 0; k < std::size(Generator::Scales); ++k) {
                    const int scale = Generator::Scales[k];
                    const Generator::TFrames frames = output.PaintFrames(scale);
                    if (scale == 1) {
                        own = ShapeOf(frames);
                    } else if (!Scaled(own, ShapeOf(frames), scale)) {
                        return Fail(ScaleError(output.Name, scale));
                    }
                    if (!ProduceStrip(output, frames, previewAt(scale), strips[k])) {
                        return false;
                    }
                }
                continue;
            }
            TShape own;
            for (const int scale : Generator::Scales) {
                const TPixels pixels = output.Paint(scale);
                const TShape shape{pixels.Width, pixels.Height, 1};
                if (scale == 1) {
                    own = shape;
                } else if (!Scaled(own, shape, scale)) {
                    return Fail(ScaleError(output.Name, scale));
                }
                const std::string name = ScaledName(output.Name, scale);
                fs::path file;
                if (!addName(name) || !ProducePicture(output, name, pixels, dir, file)) {
                    return false;
                }
                embeds.push_back({name, file});
            }
        }
    }

    // The archives are embedded even with no strip in them, so that the program always links.
    for (std::size_t k = 0; k < std::size(Generator::Scales); ++k) {
        const std::string name = ScaledName(StripArchiveName, Generator::Scales[k]);
        const fs::path archive = dir / (name + ".wbs");
        const std::vector<std::uint8_t> packed = StripCodec::Pack(strips[k]);
        if (packed.empty()) {
            return Fail("cannot pack the strips: a name longer than 255 bytes");
        }
        if (!addName(name) || !WriteFile(archive, packed)) {
            return false;
        }
        embeds.push_back({name, archive});
    }

    for (const std::string& arg : files) {
        const auto eq = arg.find('=');
        if (eq == std::string::npos) {
            return Fail("expected NAME=FILE, got '" + arg + "'");
        }
        const TEmbed e{arg.substr(0, eq), arg.substr(eq + 1)};
        if (!addName(e.Name)) {
            return false;
        }
        if (!fs::is_regular_file(e.File, ec) || fs::file_size(e.File, ec) == 0) {
            return Fail("missing or empty file " + e.File.string());
        }
        embeds.push_back(e);
    }

    // The desktop icon is installed beside the program for the desktop's menus and docks, and
    // embedded too: every window carries it, since the program reads no files.
    if (!Generator::WriteIcons(dir / "icons", DesktopId)) {
        return Fail("cannot write the icons to " + (dir / "icons").string());
    }
    for (int size : Generator::IconSizes) {
        const std::string name = Generator::IconAssetName(size);
        if (!addName(name)) {
            return false;
        }
        embeds.push_back({name, Generator::IconFile(dir / "icons", DesktopId, size)});
    }

    const std::string text = AssemblerText(embeds);
    const fs::path target = dir / "Assets.S";
    const fs::path temporary = dir / "Assets.S.tmp";
    if (!WriteFile(temporary, std::vector<std::uint8_t>(text.begin(), text.end()))) {
        return false;
    }
    fs::rename(temporary, target, ec);
    return !ec || Fail("cannot rename to " + target.string() + ": " + ec.message());
}

} // namespace

int main(int argc, char** argv) {
    return Run(argc, argv) ? 0 : 1;
}
