// SPDX-License-Identifier: MIT
// A print dialog for tests that prints to PDF.
#include "platform/FakePrintService.h"

#include <QPrinter>
#include <QString>

namespace platform {

FakePrintService::FakePrintService() : m_previous(InstallPrintService(this)) {}

FakePrintService::~FakePrintService() {
    InstallPrintService(m_previous);
}

std::unique_ptr<QPrinter> FakePrintService::RunPrintDialog(QWidget*, unsigned flags) {
    ++requests;
    lastFlags = flags;
    if (cancel) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(pdfPath));
    printer->setResolution(resolution);
    return printer;
}

}  // namespace platform
