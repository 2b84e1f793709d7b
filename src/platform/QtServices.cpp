// SPDX-License-Identifier: MIT
// The desktop services of the game, provided by Qt.
#include "platform/QtServices.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>

#include "platform/Cp1252.h"
#include "platform/ProgramFolder.h"

namespace platform {
namespace {

// A message box as wide as its caption needs: a window manager writes the caption in its own,
// often bold, font beside its icon and buttons, and cuts what does not fit. The box sizes
// itself from its layout whenever that changes, so the room is asked of the layout.
void MakeRoomForCaption(QMessageBox& box) {
    auto* buttons = box.findChild<QDialogButtonBox*>();
    if (!buttons || !box.layout()) {
        return;
    }
    const QMargins margins = box.layout()->contentsMargins();
    buttons->setMinimumWidth(CaptionWidth(box) - margins.left() - margins.right());
}

}  // namespace

int CaptionWidth(const QWidget& window) {
    QFont font = window.font();
    font.setBold(true);
    // A caption font a size above the dialogs', as desktops often choose it.
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * 1.2);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(font.pixelSize() * 6 / 5);
    }
    const QFontMetrics metrics(font);
    // Icon, minimise, maximise and close, each about a caption high, with a margin each side.
    const int buttons = 4 * (metrics.height() + 8);
    return metrics.horizontalAdvance(window.windowTitle()) + buttons + 2 * metrics.height();
}

QtServices::QtServices() : m_previous(InstallServices(this)) {}

QtServices::~QtServices() {
    InstallServices(m_previous);
}

int QtServices::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    // The game names an owner only with a window of its own.
    QWidget* owner = static_cast<QWidget*>(const_cast<void*>(CurrentMessageOwner()));
    if (!owner) {
        owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                  : QApplication::activeWindow();
    }
    QMessageBox box(owner);
    box.setWindowTitle(FromCp1252(caption));
    box.setText(FromCp1252(text));
    switch (type & MB_ICONMASK) {
        case MB_ICONSTOP:
            box.setIcon(QMessageBox::Critical);
            break;
        case MB_ICONQUESTION:
            box.setIcon(QMessageBox::Question);
            break;
        case MB_ICONEXCLAMATION:
            box.setIcon(QMessageBox::Warning);
            break;
        case MB_ICONINFORMATION:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
    }
    switch (type & MB_BUTTONMASK) {
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MB_OKCANCEL:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
    }
    MakeRoomForCaption(box);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Cancel:
            return IDCANCEL;
        default:
            // Closing an OK box any way counts as OK; an OK-Cancel box closed is Cancel.
            return (type & MB_BUTTONMASK) == MB_OKCANCEL &&
                           box.clickedButton() != box.button(QMessageBox::Ok)
                       ? IDCANCEL
                       : IDOK;
    }
}

void QtServices::PlaySound(const std::string& gamePath) {
    QString path = QString::fromStdString(ReadPath(gamePath));
    if (!QFileInfo(path).isFile()) {
        return;  // a missing sound is not reported
    }
    // One sound at a time: a new sound cuts the one playing, as the desktop's player did.
    if (!m_sound) {
        m_sound = std::make_unique<QSoundEffect>();
    }
    m_sound->stop();
    m_sound->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    m_sound->play();
}

void QtServices::WinHelp(const std::string& helpFile, HelpCommand command, int context) {
    if (m_helpViewer) {
        m_helpViewer(helpFile, command, context);
    }
}

bool QtServices::OpenTextViewer(const std::string& gamePath) {
    QFileInfo info(QString::fromStdString(ReadPath(gamePath)));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

bool QtServices::ChooseColor(ColorRef& colour) {
    QColor picked = QColorDialog::getColor(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)),
                                           QApplication::activeWindow());
    if (!picked.isValid()) {
        return false;
    }
    colour = Rgb(picked.red(), picked.green(), picked.blue());
    return true;
}

void QtServices::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtServices::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

}  // namespace platform
