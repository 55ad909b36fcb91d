#include "assets/AseScanner.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <random>
#include <string>

namespace {

// What a read of text made: whether it read a number, the float's bits and
// how many characters it took.
struct Reading {
    bool read = false;
    uint32_t bits = 0;
    long used = 0;

    bool operator==(const Reading&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Reading& r) {
    return out << (r.read ? "read" : "no number") << " bits 0x" << std::hex << r.bits << std::dec
               << " using " << r.used;
}

Reading of(float value, long used) {
    Reading r{true, 0, used};
    std::memcpy(&r.bits, &value, sizeof value);
    return r;
}

Reading byStrtof(const std::string& text) {
    char* stop = nullptr;
    float value = std::strtof(text.c_str(), &stop);
    if (stop == text.c_str())
        return Reading{};
    return of(value, stop - text.c_str());
}

// The scanner's read: its own decimal reading where that decides, strtof
// otherwise.
Reading byScanner(const std::string& text) {
    AseScanner scan(text.data(), text.size());
    float value = 0;
    if (!scan.readFloat(&value))
        return Reading{};
    return of(value, scan.at - text.data());
}

// The decimal reading alone, where it decides.
bool decides(const std::string& text, Reading* reading) {
    float value = 0;
    const char* end = text.data() + text.size();
    const char* after = readPlainDecimal(text.data(), end, &value);
    if (!after)
        return false;
    *reading = of(value, after - text.data());
    return true;
}

// Every text here is shorter than the 63 characters the scanner hands
// strtof, so both see the same characters.
void expectAsStrtof(const std::string& text) {
    ASSERT_LT(text.size(), 63u) << text;
    Reading expected = byStrtof(text);
    EXPECT_EQ(byScanner(text), expected) << '"' << text << '"';
    Reading shortcut;
    if (decides(text, &shortcut)) {
        EXPECT_EQ(shortcut, expected) << '"' << text << '"';
    }
}

} // namespace

TEST(AseNumber, EdgeCasesReadAsStrtofReadsThem) {
    const char* texts[] = {
        // Signs and zeros.
        "0", "-0", "+0", "-0.0", "0.0000", "-0.0000", "00012", "-00.500", "0e999999", "-0e-5",
        // The forms of the model files.
        "1", "-41.5000", "0.1600", "12345.6789", "123.456789", "0.0001", "1677.7216",
        // Exponents, with and without their digits.
        "1e5", "1E5", "1e+5", "1e-5", "2.5e-3", "-.5e1", "1e", "1e+", "1e-", "1.5e+3x", "1e5e5",
        ".5", "5.", "5.e2", ".e2",
        // Around the largest and smallest floats, and past them.
        "3.4028235e38", "3.40282346e38", "3.4028236e38", "3.5e38", "1e39", "1e-38",
        "1.17549435e-38", "1.1754942e-38", "1e-45", "1.4e-45", "7e-46", "1e-46", "1e-50",
        "340282356779733661637539395458142568448", "340282356779733661637539395458142568447",
        // Where float precision runs out: ties go to even.
        "16777216", "16777217", "16777218", "16777219", "1.000000059604644775390625",
        "1.0000000596046447753906251", "1.0000000596046447753906249", "0.1", "0.2", "0.3",
        // Many digits, leading zeros and long fractions.
        "9999999999999999999", "99999999999999999999", "123456789012345678901234",
        "0.000000000000000000000000000000000001234", "1.23456789012345678901234567890",
        "0000000000000000000000000000000001",
        // Not decimal, or not a number at all.
        "0x10", "0X1p3", "-0x1.8p1", "0x", "0xg", "00x1", "inf", "-INF", "infinity", "nan", "-nan",
        "nan(123)", "-", "+", ".", "-.", "e5", "", "abc", "1..2", "--1", "+-1", "12abc", "  7",
        "\t-3.25", "1,5"};
    for (const char* text : texts)
        expectAsStrtof(text);
}

TEST(AseNumber, GeneratedNumbersReadAsStrtofReadsThem) {
    std::mt19937 random(20240);
    auto digits = [&](int n) {
        std::string d;
        for (int i = 0; i < n; ++i)
            d += static_cast<char>('0' + random() % 10);
        return d;
    };
    const char* exponents[] = {"", "", "", "e", "e+", "e-7", "E12", "e-30", "e38", "e-45", "e+400"};
    char buffer[64];
    for (int i = 0; i < 100000; ++i) {
        // Decimal texts of every shape.
        std::string text = random() % 3 == 0 ? "-" : random() % 5 == 0 ? "+" : "";
        text += digits(random() % 10);
        if (random() % 2)
            text += "." + digits(random() % 12);
        text += exponents[random() % std::size(exponents)];
        expectAsStrtof(text);

        // Floats of any bit pattern, as printf writes them.
        uint32_t bits = static_cast<uint32_t>(random());
        float f;
        std::memcpy(&f, &bits, sizeof f);
        if (!std::isfinite(f))
            continue;
        std::snprintf(buffer, sizeof buffer, "%.*e", static_cast<int>(random() % 12),
                      static_cast<double>(f));
        expectAsStrtof(buffer);
        std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(random() % 8),
                      std::fmod(static_cast<double>(f), 1e6));
        expectAsStrtof(buffer);

        // Halfway between two floats, and just beside it: where rounding
        // twice would go wrong.
        float next = std::nextafter(f, std::numeric_limits<float>::infinity());
        double halfway = (static_cast<double>(f) + static_cast<double>(next)) / 2;
        for (int precision : {8, 9, 12, 16, 17, 20})
            if (std::snprintf(buffer, sizeof buffer, "%.*e", precision, halfway) < 63)
                expectAsStrtof(buffer);
    }
}

TEST(AseNumber, TheFormsOfTheModelFilesNeedNoStrtof) {
    for (const char* text :
         {"-41.5000", "0.1600", "1.0000", "0", "-0.0000", "12345.6789", "2.5e-3", "123.456789"}) {
        Reading shortcut;
        EXPECT_TRUE(decides(text, &shortcut)) << text;
        EXPECT_EQ(shortcut, byStrtof(text)) << text;
    }
    // Left to strtof: hexadecimal, words, and more digits than it keeps.
    for (const char* text : {"0x10", "inf", "nan", "123456789012345678901234"}) {
        Reading ignored;
        EXPECT_FALSE(decides(text, &ignored)) << text;
    }
}

TEST(AseNumber, ReadsStopAtTheEndOfTheText) {
    // A number cut off by the end of the text, not by a blank: nothing past
    // the end may be looked at (the sanitizer builds watch this).
    std::string text = "-12.50e+3";
    for (size_t n = 0; n <= text.size(); ++n) {
        std::string cut = text.substr(0, n);
        std::unique_ptr<char[]> exact(new char[n]);
        std::memcpy(exact.get(), cut.data(), n);
        AseScanner scan(exact.get(), n);
        float value = 0;
        Reading reading;
        if (scan.readFloat(&value))
            reading = of(value, scan.at - exact.get());
        EXPECT_EQ(reading, byStrtof(cut)) << '"' << cut << '"';
    }
}
