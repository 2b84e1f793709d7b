// SPDX-License-Identifier: MIT
// The print dialog: hands back a printer set up by the player, or nothing when cancelled.
#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace platform {

// What the print dialog leaves out, as the classic dialog's flags did.
enum PrintDialogFlags : unsigned {
    PD_NOPAGENUMS = 0x8,            // no page range to choose
    PD_HIDEPRINTTOFILE = 0x100000,  // no printing to a file
};

class IPrintService {
public:
    virtual ~IPrintService() = default;
    // Runs the print dialog with the given flags; a ready printer on OK, null on Cancel.
    virtual std::unique_ptr<QPrinter> RunPrintDialog(QWidget* parent, unsigned flags = 0) = 0;
};

// The desktop's print dialog. On a machine with no printer that dialog offers nothing to print
// on, so the player names a PDF file instead, to print elsewhere (at school, say).
class DesktopPrintService : public IPrintService {
public:
    std::unique_ptr<QPrinter> RunPrintDialog(QWidget* parent, unsigned flags) override;

    // The caption of the file dialog that names the PDF file.
    static constexpr const char* kPdfCaption = "No printer is installed: print to a PDF file";

protected:
    virtual bool HasPrinter() const;
    // The PDF file's host path as the player chose it; empty when cancelled.
    virtual QString ChoosePdfFile(QWidget* parent);
};

// The installed print service (the desktop's print dialog until another is installed).
IPrintService& PrintService();
// Installs a print service (not owned); nullptr restores the desktop's. Returns the previous.
IPrintService* InstallPrintService(IPrintService* service);

}  // namespace platform
