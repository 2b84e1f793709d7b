// SPDX-License-Identifier: MIT
// The document base of the game's documents: path, title, modified flag, views, and the
// open/save steps with the load-failure report.
#pragma once

#include <string>
#include <vector>

class CDocument;

// What a document knows of a view that shows it. The windows implement it; the document
// never needs to know how they paint.
class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    // The document changed; sender is the view that made the change (or null), hint says
    // what changed (0: anything).
    virtual void OnUpdate(IDocumentView* sender, long hint) = 0;
};

// The prompts of the load-failure report.
inline constexpr const char* kFailedToOpenDocument = "Failed to open document.";
inline constexpr const char* kFailedToSaveDocument = "Failed to save document.";
inline constexpr const char* kInvalidFilename = "Invalid filename.";

class CDocument {
public:
    CDocument() = default;
    virtual ~CDocument();
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The file the document was last opened from or saved to; empty for a new document.
    const std::string& GetPathName() const { return m_strPathName; }
    // Records the path and takes its file name as the title. addToMRU says whether the path
    // belongs in the recently-used list; the game keeps no such list, so it is only noted.
    virtual void SetPathName(const std::string& path, bool addToMRU = true);
    bool PathAddedToRecentList() const { return m_bAddToMRU; }

    const std::string& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const std::string& title) { m_strTitle = title; }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // Views are not owned; a view removes itself before it goes.
    void AddView(IDocumentView* view);
    void RemoveView(IDocumentView* view);
    const std::vector<IDocumentView*>& Views() const { return m_views; }
    // Tells every view but the sender that the document changed.
    void UpdateAllViews(IDocumentView* sender, long hint = 0);

    // Empties the document's content; called before new content is opened or made.
    virtual void DeleteContents();
    // Starts an empty document: no content, no path, not modified.
    virtual bool OnNewDocument();
    // The base documents hold no content of their own: these only check that the file can be
    // opened or created, reporting as the derived documents do.
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);

    // The framework's report of a failed open or save: the prompt in a message box with the
    // application's title and the exclamation icon. cause is the file-error cause code.
    virtual void ReportSaveLoadException(const std::string& path, int cause, bool saving,
                                         const std::string& prompt);

private:
    std::string m_strPathName;
    std::string m_strTitle;
    bool m_bAddToMRU = false;
    bool m_bModified = false;
    std::vector<IDocumentView*> m_views;
};
