// SPDX-License-Identifier: MIT
// The picture document: one DIB with its palette and size, read from and written to a .bmp.
#pragma once

#include <string>

#include "images/Dib.h"
#include "puzzle/Document.h"

// A width and a height in pixels.
struct CSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

// The messages of the picture document.
inline constexpr const char* kCannotLoadDib = "Cannot load DIB";
inline constexpr const char* kDibTooLarge = "DIB is too large";
inline constexpr const char* kCannotSaveDib = "Cannot save DIB";

class CDibDoc : public CDocument {
public:
    CDibDoc() = default;

    bool OnNewDocument() override;
    // Reads a .bmp file. False (with the messages shown) when it cannot be read or is too
    // large; the path becomes the document's path only on success.
    bool OnOpenDocument(const std::string& path) override;
    // Writes the picture as a new .bmp file; an existing file is never overwritten.
    bool OnSaveDocument(const std::string& path) override;
    // Frees the picture and its palette: a document being refilled shows no stale picture.
    void DeleteContents() override;

    // Checks the picture's size and builds its palette. A picture too large to measure is
    // freed with a message; a picture without a colour table gets no palette.
    void InitDIBData();
    // Takes a new picture, freeing the old one; the caller calls InitDIBData next.
    void ReplaceHDIB(DibHandle dib);

    const DibHandle& GetHDIB() const { return m_hDIB; }
    // The palette, or null when the picture has none.
    const CPalette* GetDocPalette() const { return m_palDIB.IsNull() ? nullptr : &m_palDIB; }
    CSize GetDocSize() const { return m_sizeDoc; }

    DibHandle m_hDIB;
    CPalette m_palDIB;
    CSize m_sizeDoc{1, 1};
};
