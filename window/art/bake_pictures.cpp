// SPDX-License-Identifier: GPL-3.0-or-later
// Run by the build: draws every picture of the window at ratio 1 from its SVG
// and writes the C++ source of bakedPicture, with the pixels as constants.

#include "window/picture_drawing.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

void writePixels(std::ofstream& out, const std::string& array, const QImage& image) {
    out << "alignas(16) const std::uint32_t " << array << "[] = {";
    int column = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            std::array<char, 16> pixel{};
            std::snprintf(pixel.data(), pixel.size(), "0x%08x,", line[x]);
            out << (column++ % 8 == 0 ? "\n    " : " ") << pixel.data();
        }
    }
    out << "\n};\n\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: bake_pictures OUTPUT.cpp\n", stderr);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "// Written by bake_pictures when the program was built.\n"
           "#include \"window/baked_pictures.h\"\n\n#include <cstdint>\n\n"
           "namespace wordbloom {\n\nnamespace {\n\n";
    std::string table;
    for (const wordbloom::PictureSize& picture : wordbloom::windowPictures()) {
        const QImage image =
            wordbloom::drawPicture(QString::fromLatin1(picture.name), picture.size, 1.0);
        const std::string array = std::string("k_") + picture.name;
        writePixels(out, array, image);
        table += "    {\"" + std::string(picture.name) + "\", " + std::to_string(image.width()) +
                 ", " + std::to_string(image.height()) + ", " + array + "},\n";
    }
    out << "struct Baked {\n    const char* name;\n    int width;\n    int height;\n"
           "    const std::uint32_t* pixels;\n};\n\n"
           "const Baked kBaked[] = {\n"
        << table
        << "};\n\n} // namespace\n\n"
           "QImage bakedPicture(const QString& name) {\n"
           "    for (const Baked& baked : kBaked) {\n"
           "        if (name == QLatin1String(baked.name)) {\n"
           "            return QImage(reinterpret_cast<const uchar*>(baked.pixels), baked.width,\n"
           "                          baked.height, baked.width * 4,\n"
           "                          QImage::Format_ARGB32_Premultiplied);\n"
           "        }\n"
           "    }\n"
           "    return {};\n"
           "}\n\n"
           "} // namespace wordbloom\n";
    out.close();
    return out ? 0 : 1;
}
