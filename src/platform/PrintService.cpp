// SPDX-License-Identifier: MIT
// The print dialog through Qt.
#include "platform/PrintService.h"

#include <QPrintDialog>
#include <QPrinter>

namespace platform {
namespace {

class QtPrintService final : public IPrintService {
public:
    std::unique_ptr<QPrinter> RunPrintDialog(QWidget* parent, unsigned flags) override {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrintDialog dialog(printer.get(), parent);
        if (flags & PD_NOPAGENUMS) {
            dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
            dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        }
        if (flags & PD_HIDEPRINTTOFILE) {
            dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        }
        if (dialog.exec() != QDialog::Accepted) {
            return nullptr;
        }
        return printer;
    }
};

QtPrintService g_desktop;
IPrintService* g_service = &g_desktop;

}  // namespace

IPrintService& PrintService() {
    return *g_service;
}

IPrintService* InstallPrintService(IPrintService* service) {
    IPrintService* previous = g_service == &g_desktop ? nullptr : g_service;
    g_service = service ? service : &g_desktop;
    return previous;
}

}  // namespace platform
