// SPDX-License-Identifier: MIT
// The document base of the game's documents.
#include "puzzle/Document.h"

#include <algorithm>

#include "platform/File.h"
#include "platform/Services.h"

CDocument::~CDocument() = default;

void CDocument::SetPathName(const std::string& path, bool addToMRU) {
    m_strPathName = path;
    m_bAddToMRU = addToMRU;
    // Game paths use backslashes; the program folder of the host ends in '/'.
    size_t cut = path.find_last_of("\\/");
    SetTitle(cut == std::string::npos ? path : path.substr(cut + 1));
}

void CDocument::AddView(IDocumentView* view) {
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end()) {
        m_views.push_back(view);
    }
}

void CDocument::RemoveView(IDocumentView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDocument::UpdateAllViews(IDocumentView* sender, long hint) {
    // A view may add or remove views while it updates: walk a copy.
    std::vector<IDocumentView*> views = m_views;
    for (IDocumentView* view : views) {
        if (view != sender) {
            view->OnUpdate(sender, hint);
        }
    }
}

void CDocument::DeleteContents() {}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    m_bAddToMRU = false;
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const std::string& path) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        ReportSaveLoadException(path, file.Cause(), false, kFailedToOpenDocument);
        return false;
    }
    DeleteContents();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path) {
    CFile file;
    if (!file.Open(path, CFile::modeReplace)) {
        ReportSaveLoadException(path, file.Cause(), true, kInvalidFilename);
        return false;
    }
    if (!file.Close()) {
        ReportSaveLoadException(path, file.Cause(), true, kFailedToSaveDocument);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void CDocument::ReportSaveLoadException(const std::string& /*path*/, int /*cause*/, bool /*saving*/,
                                        const std::string& prompt) {
    platform::MessageBox(prompt, std::string(), platform::MB_OK | platform::MB_ICONEXCLAMATION);
}
