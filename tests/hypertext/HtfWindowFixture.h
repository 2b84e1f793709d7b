// SPDX-License-Identifier: MIT
// A page window in an MDI area of its own, with recording services and a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <functional>

#include "HtfTestPages.h"
#include "hypertext/MuWnd.h"
#include "platform/FakeServices.h"

namespace htftest {

inline bool IsRed(QRgb p) {
    return qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90;
}
inline bool IsMagenta(QRgb p) {
    return qRed(p) > 180 && qBlue(p) > 180 && qGreen(p) < 90;
}

// How many pixels of the rectangle pass the test.
inline int CountPixels(const QImage& image, const QRect& area,
                       const std::function<bool(QRgb)>& test) {
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

class HtfWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        area.resize(900, 700);
        area.show();
        window = MakeWindow();
        window->Create(&area);
        window->show();
        QApplication::processEvents();
    }

    virtual CMuWnd* MakeWindow() { return new CMuWnd; }

    // Writes a page into the data folder and returns the game path the window loads.
    std::string WritePage(const std::string& name, const std::string& bytes) {
        folder.Write("data/" + name, bytes);
        return folder.Path() + "data\\" + name;
    }
    bool Load(const std::string& name, const std::string& bytes, int reportErrors = 1) {
        return window->LoadFile(
            WritePage(name, bytes), 0,
            reportErrors ? CMuWnd::LoadErrors::Reported : CMuWnd::LoadErrors::Silent,
            kHtfAnswerModeNormal);
    }
    QImage Client() const { return window->ClientArea()->grab().toImage(); }
    // Every message shown, as "text|caption|type" lines.
    std::string Said() const {
        std::string said;
        for (const auto& m : services.messages) {
            said += m.text + "|" + m.caption + "|" + std::to_string(m.type) + "\n";
        }
        return said;
    }

    testsupport::TempProgramFolder folder;
    platform::FakeServices services;
    QMdiArea area;
    CMuWnd* window = nullptr;
};

}  // namespace htftest
