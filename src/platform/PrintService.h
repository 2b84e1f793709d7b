// SPDX-License-Identifier: MIT
// The print dialog: hands back a printer set up by the player, or nothing when cancelled.
#pragma once

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

// The installed print service (the desktop's print dialog until another is installed).
IPrintService& PrintService();
// Installs a print service (not owned); nullptr restores the desktop's. Returns the previous.
IPrintService* InstallPrintService(IPrintService* service);

}  // namespace platform
