// SPDX-License-Identifier: MIT
// quizlex-tool icons: the game's icon as the PNG files of a desktop icon theme.
#include <QImage>
#include <QString>
#include <filesystem>
#include <system_error>

#include "Tool.h"
#include "images/Dib.h"
#include "images/GameIcon.h"
#include "maker/Artwork.h"

namespace {

int RunIcons(const tool::Arguments& arguments) {
    if (arguments.size() != 2) {
        return tool::Fail("icons takes THEME_FOLDER NAME");
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string side = std::to_string(size);
        const std::filesystem::path folder =
            std::filesystem::path(arguments[0]) / (side + "x" + side) / "apps";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        const std::filesystem::path out = folder / (arguments[1] + ".png");
        const QImage image = IconImage(DibHandle(maker::MakeIconPicture(128, size).PackedDib()));
        if (ec || image.isNull() ||
            !image.save(QString::fromLocal8Bit(out.string().c_str()), "PNG")) {
            return tool::Fail("cannot write " + out.string());
        }
    }
    return 0;
}

}  // namespace

QZ_TOOL_COMMAND("icons", "THEME_FOLDER NAME",
                "draws the game's icon at 16 to 256 pixels as THEME_FOLDER/NxN/apps/NAME.png",
                &RunIcons);
