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
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeReadWrite | CFile::modeExclusive)) {
        ReportSaveLoadException(path, file.Cause(), true, kInvalidFilename);
        return false;
    }
    bool written;
    bool closed;
    int cause;
    {
        platform::WaitCursor wait;
        written = SaveDibBlock(m_hDIB, file);
        cause = file.Cause();
        closed = file.Close();
        if (cause == platform::kNone) {
            cause = file.Cause();
        }
    }
    if (written && closed) {
        SetModifiedFlag(false);
        return true;
    }
    // The file was made by this save: leave no empty or half-written picture behind.
    platform::RemoveFile(path);
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
