// asset_generator OUTPUT_DIR [NAME=FILE ...]
//
// Paints every output of every screen group into OUTPUT_DIR, then writes OUTPUT_DIR/Assets.S,
// which embeds those files and each NAME=FILE given on the command line (the fonts) as the
// symbols wb_asset_NAME (the bytes) and wb_asset_NAME_size (their count, 64 bits).
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

#include "assets/generator/Generator.h"
#include "platform/Jpeg.h"

namespace {

namespace fs = std::filesystem;

struct TEmbed {
    std::string Name;
    fs::path File;
};

// The groups in the order their outputs appear in the embedding.
constexpr Generator::TOutputs (*Groups[])() = {
    Generator::Backgrounds,
};

bool Fail(const std::string& message) {
    std::fprintf(stderr, "asset_generator: %s\n", message.c_str());
    return false;
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

bool WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out.good() || Fail("cannot write " + path.string());
}

// Paints, encodes and writes one output; returns the file to embed.
bool Produce(const Generator::TOutput& output, const fs::path& dir, fs::path& file) {
    const TPixels pixels = output.Paint();
    if (pixels.Width <= 0 || pixels.Height <= 0) {
        return Fail(output.Name + ": painted an empty picture");
    }
    std::vector<std::uint8_t> bytes;
    switch (output.Kind) {
    case Generator::TKind::JpegColour:
    case Generator::TKind::JpegGrey:
        bytes = EncodeJpeg(pixels, output.Quality, output.Kind == Generator::TKind::JpegGrey);
        file = dir / (output.Name + ".jpg");
        break;
    }
    if (bytes.empty()) {
        return Fail(output.Name + ": encoding failed");
    }
    return WriteFile(file, bytes);
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
        return Fail("usage: asset_generator OUTPUT_DIR [NAME=FILE ...]");
    }
    const fs::path dir = argv[1];
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        return Fail("cannot create " + dir.string() + ": " + ec.message());
    }

    std::vector<TEmbed> embeds;
    std::set<std::string> names;
    auto addName = [&](const std::string& name) {
        if (!IsSymbolSuffix(name)) {
            return Fail("bad asset name '" + name + "': use a-z, 0-9 and _");
        }
        return names.insert(name).second || Fail("asset name '" + name + "' used twice");
    };

    for (const auto group : Groups) {
        for (const Generator::TOutput& output : group()) {
            fs::path file;
            if (!addName(output.Name) || !Produce(output, dir, file)) {
                return false;
            }
            embeds.push_back({output.Name, file});
        }
    }

    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
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
