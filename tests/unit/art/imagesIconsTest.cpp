// The desktop icons as a desktop reads them: PNG files decoded by stb_image.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#include "GameData.h"
#include "tests/unit/assets/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stb_image.h>

namespace {

std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Png {
    int width = 0, height = 0, channels = 0;
    std::vector<uint8_t> rgba;
    const uint8_t* at(int x, int y) const {
        return &rgba[(static_cast<size_t>(y) * width + x) * 4];
    }
};

Png decoded(const std::vector<uint8_t>& bytes) {
    Png png;
    uint8_t* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()),
                                            &png.width, &png.height, &png.channels, 4);
    if (pixels) {
        png.rgba.assign(pixels, pixels + static_cast<size_t>(png.width) * png.height * 4);
        stbi_image_free(pixels);
    }
    return png;
}

struct Icons {
    TempFolder folder;
    Icons() {
        std::string error;
        EXPECT_TRUE(writeIcons(folder.path.string(), &error)) << error;
    }
};

const Icons& icons() {
    static Icons once;
    return once;
}

} // namespace

TEST(ImagesIcons, EverySizeIsASquareKartWithClearCorners) {
    for (int size : ICON_SIZES) {
        const std::string name = iconFileName(size);
        SCOPED_TRACE(name);
        const std::vector<uint8_t> bytes = fileBytes(icons().folder.path / name);
        ASSERT_GT(bytes.size(), 8u);
        const Png png = decoded(bytes);
        ASSERT_EQ(png.width, size);
        ASSERT_EQ(png.height, size);
        EXPECT_EQ(png.channels, 4);
        for (int x : {0, size - 1})
            for (int y : {0, size - 1})
                EXPECT_EQ(png.at(x, y)[3], 0) << x << ", " << y;
        int solid = 0, blue = 0, dark = 0, left = size, right = -1;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const uint8_t* p = png.at(x, y);
                if (p[3] == 0)
                    continue;
                left = std::min(left, x);
                right = std::max(right, x);
                if (p[3] < 255)
                    continue;
                ++solid;
                blue += p[2] > p[0] + 60 && p[2] > p[1];
                dark += p[0] + p[1] + p[2] < 3 * 60;
            }
        const int area = size * size;
        // Enough kart to read, enough air round it to stay an icon.
        EXPECT_GT(solid, area / 4);
        EXPECT_LT(solid, area * 3 / 4);
        EXPECT_GE(right - left + 1, size * 4 / 5) << "the kart spans the icon";
        // Kart 1's blue body inside a dark outline, at every size.
        EXPECT_GT(blue, area / 20);
        EXPECT_GT(dark, area / 20);
    }
}

TEST(ImagesIcons, SameBytesEveryRunAndAClearFaultWhenUnwritable) {
    TempFolder again;
    std::string error;
    ASSERT_TRUE(writeIcons(again.path.string(), &error)) << error;
    for (int size : ICON_SIZES)
        EXPECT_EQ(fileBytes(icons().folder.path / iconFileName(size)),
                  fileBytes(again.path / iconFileName(size)))
            << size;
    const std::string missing = (again.path / "no-such-folder").string();
    EXPECT_FALSE(writeIcons(missing, &error));
    EXPECT_NE(error.find(missing + "/vorlane-kart-16.png"), std::string::npos) << error;
}
