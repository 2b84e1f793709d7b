// SPDX-License-Identifier: MIT
// The picture document: one DIB with its palette and size, read from and written to a .bmp.
#include "puzzle/DibDoc.h"

#include <cstdint>

#include "platform/File.h"
#include "platform/Services.h"

namespace {

// The picture messages have no owner window and carry the application's title.
void DibMessage(const char* text) {
    platform::MessageBox(text, std::string(), platform::MB_OK | platform::MB_ICONINFORMATION);
}

}  // namespace

bool CDibDoc::OnNewDocument() {
    return CDocument::OnNewDocument();
}

void CDibDoc::DeleteContents() {
    CDocument::DeleteContents();
    m_hDIB.Free();
    m_palDIB.DeleteObject();
    m_sizeDoc = CSize{1, 1};
}

bool CDibDoc::OnOpenDocument(const std::string& path) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        ReportSaveLoadException(path, file.Cause(), false, kFailedToOpenDocument);
        return false;
    }
    DeleteContents();
    {
        platform::WaitCursor wait;
        m_hDIB = LoadDibBlock(file);
        if (file.Cause() != platform::kNone) {
            // A read error, not a malformed picture: the framework reports it.
            int cause = file.Cause();
            file.Abort();
            m_hDIB.Free();
            ReportSaveLoadException(path, cause, false, kFailedToOpenDocument);
            return false;
        }
        InitDIBData();
    }
    if (!m_hDIB) {
        DibMessage(kCannotLoadDib);
        return false;
    }
    SetPathName(path, false);
    SetModifiedFlag(false);
    return true;
}

bool CDibDoc::OnSaveDocument(const std::string& path) {
    // The picture is written to a file of its own beside the old one and renamed over it only
    // when whole: no other writer shares it meanwhile, a picture already there is replaced,
    // and a failed save leaves that old picture as it was.
    CFile file;
    if (!file.Open(path, CFile::modeReplace)) {
        ReportSaveLoadException(path, file.Cause(), true, kInvalidFilename);
        return false;
    }
    bool saved = false;
    int cause = platform::kNone;
    {
        platform::WaitCursor wait;
        const bool written = SaveDibBlock(m_hDIB, file);
        cause = file.Cause();
        if (written) {
            saved = file.Close();
            if (cause == platform::kNone) {
                cause = file.Cause();
            }
        } else {
            file.Abort();
        }
    }
    if (saved) {
        SetModifiedFlag(false);
        return true;
    }
    if (cause != platform::kNone) {
        ReportSaveLoadException(path, cause, true, kFailedToSaveDocument);
    } else {
        DibMessage(kCannotSaveDib);
    }
    return false;
}

void CDibDoc::InitDIBData() {
    m_palDIB.DeleteObject();
    if (!m_hDIB) {
        return;
    }
    // A size that reads as negative when signed cannot be a picture's.
    uint32_t width = static_cast<uint32_t>(DibWidth(m_hDIB));
    uint32_t height = static_cast<uint32_t>(DibHeight(m_hDIB));
    if (width >= 0x80000000u || height >= 0x80000000u) {
        m_hDIB.Free();
        DibMessage(kDibTooLarge);
        return;
    }
    m_sizeDoc = CSize{static_cast<int>(width), static_cast<int>(height)};
    if (!MakeDibPalette(m_hDIB, m_palDIB)) {
        m_palDIB.DeleteObject();
    }
}

void CDibDoc::ReplaceHDIB(DibHandle dib) {
    m_hDIB = std::move(dib);
}
