// SPDX-License-Identifier: MIT
// The print dialog: hands back a printer set up by the player, or nothing when cancelled.
#pragma once

#include <memory>

class QPrinter;
class QWidget;

namespace platform {

class IPrintService {
public:
    virtual ~IPrintService() = default;
    // Runs the print dialog; a ready printer on OK, null on Cancel.
    virtual std::unique_ptr<QPrinter> RunPrintDialog(QWidget* parent) = 0;
};

// The installed print service (the desktop's print dialog until another is installed).
IPrintService& PrintService();
// Installs a print service (not owned); nullptr restores the desktop's. Returns the previous.
IPrintService* InstallPrintService(IPrintService* service);

}  // namespace platform
