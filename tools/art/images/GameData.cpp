#include "GameData.h"

#include "EngineTone.h"
#include "Paintings.h"
#include "PngWriter.h"

namespace {

// Both packings and both depths appear, so every decoder path runs in play:
// flat pictures compress well as runs, noisy or small ones are stored raw.
constexpr TgaFormat RAW_24{24, TgaPacking::Raw};
constexpr TgaFormat RLE_24{24, TgaPacking::RunLength};
constexpr TgaFormat RAW_32{32, TgaPacking::Raw};
constexpr TgaFormat RLE_32{32, TgaPacking::RunLength};

template <typename Painter> std::function<Canvas(const Font&)> plain(Painter painter) {
    return [painter](const Font&) { return painter(); };
}

std::function<Canvas(const Font&)> message(Message which) {
    return [which](const Font& font) { return paintMessage(font, which); };
}

std::function<Canvas(const Font&)> label(Label which) {
    return [which](const Font& font) { return paintLabel(font, which); };
}

} // namespace

const std::vector<ImageFile>& imageFiles() {
    static const std::vector<ImageFile> files = {
        {"cloud1.tga", RLE_32, plain([] { return paintCloud(1); })},
        {"cloud2.tga", RAW_32, plain([] { return paintCloud(2); })},
        {"cloud3.tga", RLE_32, plain([] { return paintCloud(3); })},
        {"moon.tga", RLE_32, plain(paintMoon)},
        {"particle.tga", RAW_32, plain(paintParticle)},
        {"floor.tga", RAW_24, plain(paintFloor)},
        {"plasma.tga", RAW_24, plain(paintPlasma)},
        {"fence.tga", RLE_32, plain(paintFence)},
        {"shadow.tga", RAW_32, plain(paintShadow)},
        {"palmtree1.tga", RAW_32, plain(paintPalmTree)},
        {"coconut.tga", RLE_32, plain(paintCoconut)},
        {"hills.tga", RLE_32, plain(paintHills)},
        {"lamp.tga", RAW_32, plain(paintLamp)},
        {"bike.tga", RLE_32, plain(paintBike)},
        {"quorel.tga", RLE_32, plain(paintChurch)},
        {"bush.tga", RAW_32, plain(paintBush)},
        {"brakelight.tga", RLE_32, plain(paintBrakeLight)},
        {"talvik.tga", RAW_32, plain(paintTower)},
        {"odometer.tga", RLE_32, paintDial},
        {"needle.tga", RAW_32, plain(paintNeedle)},
        {"brick.tga", RLE_24, plain(paintBrick)},
        {"arcadetile.tga", RLE_24, plain(paintArcadeTile)},
        {"msgp1wins.tga", RLE_32, message(Message::PlayerOneWins)},
        {"msgp2wins.tga", RLE_32, message(Message::PlayerTwoWins)},
        {"msghurryup.tga", RLE_32, message(Message::HurryUp)},
        {"msggoal.tga", RLE_32, message(Message::Goal)},
        {"msgready.tga", RLE_32, message(Message::Ready)},
        {"msgset.tga", RLE_32, message(Message::Set)},
        {"msggo.tga", RLE_32, message(Message::Go)},
        {"msgtitle.tga", RLE_32, paintTitle},
        {"msgnumbers.tga", RLE_32, paintDigitStrip},
        {"msgpaused.tga", RLE_32, paintPaused},
        {"msgchoose.tga", RLE_32, paintMatchChoice},
        {"msgcpu.tga", RLE_32, label(Label::Cpu)},
        {"msgeasy.tga", RLE_32, label(Label::Easy)},
        {"msgnormal.tga", RLE_32, label(Label::Normal)},
        {"msghard.tga", RLE_32, label(Label::Hard)},
    };
    return files;
}

const ImageFile& glyphSheetFile() {
    static const ImageFile file = {"glyphs.tga", RLE_32, paintGlyphSheet};
    return file;
}

bool writeGameData(const std::string& folder, std::string* error) {
    Font font;
    if (!loadFont(LETTERING_FONT, &font, error))
        return false;
    for (const ImageFile& file : imageFiles()) {
        Canvas canvas = file.paint(font);
        if (!writeBytes(folder + "/" + file.name, encodeTga(canvas, file.format), error))
            return false;
    }
    const ImageFile& glyphs = glyphSheetFile();
    if (!writeBytes(folder + "/" + glyphs.name, encodeTga(glyphs.paint(font), glyphs.format),
                    error))
        return false;
    return writeBytes(folder + "/" + ENGINE_SAMPLE_FILE,
                      encodeWav(engineTone(), ENGINE_SAMPLE_RATE), error);
}

std::string iconFileName(int size) {
    return "vorlane-kart-" + std::to_string(size) + ".png";
}

bool writeIcons(const std::string& folder, std::string* error) {
    for (int size : ICON_SIZES) {
        const std::string path = folder + "/" + iconFileName(size);
        const std::vector<uint8_t> png = encodePng(paintKartIcon(size));
        if (png.empty()) {
            *error = path + ": cannot encode the PNG";
            return false;
        }
        if (!writeBytes(path, png, error))
            return false;
    }
    return true;
}
